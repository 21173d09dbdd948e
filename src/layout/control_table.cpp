#include "layout/control_table.h"

#include "layout/label.h"
#include "layout/picture_button.h"
#include "layout/shape.h"
#include "layout/twips.h"

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QWindow>

namespace {

const QString FrameWatchName = QStringLiteral("frameWatch");

// Qt reports a frame only once the window manager has framed the window; while it reparents
// the window, Qt may report one that does not hold the client.
bool hasFrame(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    return frame != window->geometry() && frame.contains(window->geometry());
}

// Where the frame's top-left corner goes for the window to be centred on the screen.
QPoint centredFrame(QSize outerPixels, const QRectF &screenTwips)
{
    const QSizeF outer = pixelsToTwips(outerPixels);
    return {twipsToPixels(screenTwips.x() + (screenTwips.width() - outer.width()) / 2),
            twipsToPixels(screenTwips.y() + (screenTwips.height() - outer.height()) / 2)};
}

// Waits for the window manager's frame and centres the window by it, then ends: once the
// frame has stood centred at two looks in a row, when a nudge brings no frame, or after a few
// seconds. Qt sends no event when only the frame becomes known, so it looks at intervals from
// the window's showing on. A window has one watch at most; centring it before its frame is known
// starts it again.
class FrameWatch : public QObject
{
public:
    static void watch(QWidget *window, const QRectF &screenTwips)
    {
        auto *watch = static_cast<FrameWatch *>(
            window->findChild<QObject *>(FrameWatchName, Qt::FindDirectChildrenOnly));
        if (!watch)
            watch = new FrameWatch(window);
        watch->m_screen = screenTwips;
        watch->m_looks = 0;
        watch->m_centred = false;
        // Made while the window is being shown, it has missed the Show event.
        if (window->isVisible())
            watch->start();
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            start();
        return false;
    }

protected:
    void timerEvent(QTimerEvent *) override
    {
        // Hidden, the window is centred again when it is next shown.
        if (!m_window->isVisible() || ++m_looks > LookCount)
            return finish();
        if (!hasFrame(m_window)) {
            // Qt reads the frame again only when the window manager next configures the
            // window, which it may have done before it published the frame: after a while, a
            // move by a pixel, up and down, makes it configure the window again. Still no frame
            // after that, and no window manager frames the window.
            if (m_looks > NudgeAfter + 2)
                return finish();
            if (m_looks > NudgeAfter)
                m_window->move(m_window->pos() + QPoint(0, m_looks % 2 == 0 ? 1 : -1));
            return;
        }
        const QRect frame = m_window->frameGeometry();
        const bool centred = frame.topLeft() == centredFrame(frame.size(), m_screen);
        if (centred && m_centred)
            return finish();
        m_centred = centred;
        if (!centred)
            centreWindow(m_window, m_screen);
    }

private:
    static constexpr int LookInterval = 50;
    static constexpr int LookCount = 60;
    static constexpr int NudgeAfter = 4;

    explicit FrameWatch(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(FrameWatchName);
        window->installEventFilter(this);
    }

    void start()
    {
        if (m_timer == 0)
            m_timer = startTimer(LookInterval);
    }

    void finish()
    {
        setObjectName(QString());
        m_window->removeEventFilter(this);
        killTimer(m_timer);
        deleteLater();
    }

    QWidget *m_window;
    QRectF m_screen;
    int m_timer = 0;
    int m_looks = 0;
    bool m_centred = false;
};

// The frame that the window manager gives this program's windows, read from one it has
// framed already; none before the first.
QMargins knownFrame(const QWidget *window)
{
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && hasFrame(other)) {
            const QRect frame = other->frameGeometry(), client = other->geometry();
            return {client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom()};
        }
    }
    return {};
}

// A control without a colour of its own keeps the system's, not the window face's, which
// turns red as a warning.
void keepSystemBack(QWidget *widget)
{
    const QPalette system = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Window, system.color(group, QPalette::Window));
    widget->setPalette(palette);
}

}

QFont designFont(double pointSize, bool bold)
{
    // The design's MS Sans Serif is named by the font with its metrics, Liberation Sans (DejaVu
    // Sans is too wide): a substitution would add a failed look-up per size at start-up.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setUpWindow(QWidget *window, const char *name, const QString &caption, QSize clientTwips,
                 const QColor &back)
{
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
    window->setFont(designFont(8.25, true));
    setWindowColour(window, back);
    window->setFixedSize(twipsToPixels(clientTwips.width()), twipsToPixels(clientTwips.height()));
}

void centreWindow(QWidget *window, const QRectF &screenTwips)
{
    // A window not framed yet is placed by its client, and the frame of the program's other
    // windows is the best guess at the one it will get.
    const bool framed = hasFrame(window);
    const QMargins frame
        = framed || !window->testAttribute(Qt::WA_WState_Created) ? QMargins() : knownFrame(window);
    const QSize outer = framed ? window->frameGeometry().size() : window->size().grownBy(frame);
    window->move(centredFrame(outer, screenTwips) + QPoint(frame.left(), frame.top()));
    if (!framed)
        FrameWatch::watch(window, screenTwips);
}

void setWindowColour(QWidget *window, const QColor &colour)
{
    // Only the window's own face: buttons inside keep their system colours.
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void setBackColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

static QWidget *createControl(const ControlSpec &row, QWidget *parent)
{
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::Label: {
        auto *label = new Label(parent);
        label->setCaption(caption);
        label->setAlignment(row.align);
        label->setWordWrap(row.flags & ControlFlag::WordWrap);
        if (row.flags & ControlFlag::Border)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        return label;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::ClickFocus);
        return button;
    }
    case ControlKind::PictureButton: {
        auto *button = new PictureButton(QString::fromUtf8(row.picture), parent);
        const QString name = QString::fromUtf8(row.accessibleName);
        button->setAccessibleName(name);
        button->setToolTip(name);
        return button;
    }
    case ControlKind::ListBox:
        return new QListWidget(parent);
    case ControlKind::Shape:
        return new Shape(row.back, row.fore, parent);
    }
    return nullptr;
}

void buildControls(QWidget *parent, std::span<const ControlSpec> controls)
{
    for (const ControlSpec &row : controls) {
        QWidget *widget = createControl(row, parent);
        widget->setObjectName(QLatin1String(row.name));
        widget->setGeometry(twipsToPixels(row.twips));
        if (row.kind != ControlKind::Shape) {
            if (row.back.isValid())
                setBackColour(widget, row.back);
            else
                keepSystemBack(widget);
            if (row.fore.isValid())
                setForeColour(widget, row.fore);
        }
        if (row.pointSize > 0)
            widget->setFont(designFont(row.pointSize, row.bold));
        else if (!row.bold)
            widget->setFont(designFont(8.25, false));
    }
}
