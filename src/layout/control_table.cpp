#include "layout/control_table.h"

#include "layout/label.h"
#include "layout/picture_button.h"
#include "layout/shape.h"
#include "layout/twips.h"

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString FrameWatchName = QStringLiteral("frameWatch");

// Waits for the window manager's frame, then centres the window again by its outer size.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget *window, const QRectF &screenTwips, QPoint placed)
        : QObject(window)
        , m_screen(screenTwips)
        , m_placed(placed)
    {
        setObjectName(FrameWatchName);
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        auto *window = static_cast<QWidget *>(watched);
        if (!m_done && window->isVisible() && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
            const QRect frame = window->frameGeometry();
            if (frame.size() != window->size()) {
                m_done = true;
                setObjectName(QString());
                // The frame or the client still stands where it was put: nobody has moved it.
                if (frame.topLeft() == m_placed || window->geometry().topLeft() == m_placed)
                    centreWindow(window, m_screen);
                deleteLater();
            }
        }
        return false;
    }

private:
    QRectF m_screen;
    QPoint m_placed;
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
