#include "layout/control_table.h"

#include "layout/label.h"
#include "layout/picture_button.h"
#include "layout/shape.h"
#include "layout/twips.h"

#include <QListWidget>
#include <QPushButton>

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

void centreWindow(QWidget *window, const QSizeF &screenTwips)
{
    const QSizeF outer = pixelsToTwips(window->frameGeometry().size());
    window->move(twipsToPixels((screenTwips.width() - outer.width()) / 2),
                 twipsToPixels((screenTwips.height() - outer.height()) / 2));
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
            if (row.fore.isValid())
                setForeColour(widget, row.fore);
        }
        if (row.pointSize > 0)
            widget->setFont(designFont(row.pointSize, row.bold));
        else if (!row.bold)
            widget->setFont(designFont(8.25, false));
    }
}
