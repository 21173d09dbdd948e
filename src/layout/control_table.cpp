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

// Waits for the window manager's frame, then centres the window again by its outer size.
// Qt sends no event when only the frame becomes known, so it also looks for a while after
// the window is shown.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget *window, const QRectF &screenTwips, QPoint placed)
        : QObject(window)
        , m_window(window)
        , m_screen(screenTwips)
        , m_placed(placed)
    {
        setObjectName(FrameWatchName);
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show && m_timer == 0)
            m_timer = startTimer(LookInterval);
        if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate)
            look();
        return false;
    }

protected:
    void timerEvent(QTimerEvent *) override
    {
        if (++m_looks > LookCount)
            finish();
        else
            look();
    }

private:
    static constexpr int LookInterval = 100;
    static constexpr int LookCount = 30;
    static constexpr int NudgeLook = 5;

    void look()
    {
        if (m_done || !m_window->isVisible())
            return;
        const QRect frame = m_window->frameGeometry();
        const QRect client = m_window->geometry();
        // While the window manager reparents the window, Qt may report a frame that does not
        // hold the client.
        if (frame == client || !frame.contains(client)) {
            // Qt may have read the frame before the window manager published it, and reads
            // it again only after the window is configured: put the frame where the client
            // is, once, so that the window manager answers.
            if (m_looks == NudgeLook && m_window->windowHandle())
                m_window->windowHandle()->setFramePosition(client.topLeft());
            return;
        }
        finish();
        // The frame or the client still stands where it was put: nobody has moved it.
        if (frame.topLeft() == m_placed || client.topLeft() == m_placed)
            centreWindow(m_window, m_screen);
    }

    void finish()
    {
        m_done = true;
        setObjectName(QString());
        if (m_timer != 0)
            killTimer(m_timer);
        m_timer = 0;
        deleteLater();
    }

    QWidget *m_window;
    QRectF m_screen;
    QPoint m_placed;
    int m_timer = 0;
    int m_looks = 0;
    bool m_done = false;
};

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

void setUpWindow(QWidget *window, const char *name, const QString &caption, QSize clientTwips, const QColor &back)
{
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
    window->setFont(designFont(8.25, true));
    setWindowColour(window, back);
    window->setFixedSize(twipsToPixels(clientTwips.width()), twipsToPixels(clientTwips.height()));
}

void centreWindow(QWidget *window, const QRectF &screenTwips)
{
    const QSize outerPixels = window->frameGeometry().size();
    const QSizeF outer = pixelsToTwips(outerPixels);
    const QPoint placed(twipsToPixels(screenTwips.x() + (screenTwips.width() - outer.width()) / 2),
                        twipsToPixels(screenTwips.y() + (screenTwips.height() - outer.height()) / 2));
    window->move(placed);
    delete window->findChild<QObject *>(FrameWatchName, Qt::FindDirectChildrenOnly);
    if (outerPixels == window->size())
        new FrameWatch(window, screenTwips, placed);
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
