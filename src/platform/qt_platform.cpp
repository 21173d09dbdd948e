#include "platform/qt_platform.h"

#include "layout/label.h"
#include "layout/twips.h"
#include "platform/message_icons.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTime>
#include <QTimer>

#include <canberra.h>

#include <algorithm>
#include <bit>
#include <limits>
#include <mutex>

namespace {

// Qt sizes a box to its text; a window manager's title bar would then cut the title. The
// box gets room for the title in a bold 10 pt title font, the frame's icon and three buttons.
void widenForTitle(QWidget *box, const QString &title)
{
    QFont font = QApplication::font();
    font.setPointSizeF(10);
    font.setBold(true);
    auto *spacer = new QSpacerItem(QFontMetrics(font).horizontalAdvance(title) + 120, 0,
                                   QSizePolicy::Fixed, QSizePolicy::Minimum);
    // In a message box's grid the text and the buttons share the last column.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(spacer, grid->rowCount(), grid->columnCount() - 1);
    else
        box->layout()->addItem(spacer);
}

// The owner's marked children, as far as they lie inside its client area, on the screen.
QList<QRect> keepClearAreas(const QWidget *owner)
{
    QList<QRect> areas;
    for (const QWidget *child : owner->findChildren<QWidget *>()) {
        if (!child->isVisible() || !child->property(KeepClearProperty).toBool())
            continue;
        const QRect inside
            = QRect(child->mapTo(owner, QPoint(0, 0)), child->size()) & owner->rect();
        if (!inside.isEmpty())
            areas << inside.translated(owner->mapToGlobal(QPoint(0, 0)));
    }
    return areas;
}

qint64 overlap(const QRect &box, const QList<QRect> &areas)
{
    qint64 sum = 0;
    for (const QRect &area : areas) {
        const QRect common = box & area;
        sum += qint64(common.width()) * common.height();
    }
    return sum;
}

// Puts the box below the marked areas, else left of, right of or above them, at the first
// place that fits the screen and covers none of them.
void placeBeside(QWidget *box, const QWidget *owner)
{
    const QList<QRect> areas = owner ? keepClearAreas(owner) : QList<QRect>();
    if (areas.isEmpty())
        return;
    QRect clear;
    for (const QRect &area : areas)
        clear |= area;
    // The box is not framed yet: its frame is taken to be as thick as the owner's.
    const QRect ownerFrame = owner->frameGeometry();
    const QRect ownerClient = owner->geometry();
    const QMargins frame(
        ownerClient.left() - ownerFrame.left(), ownerClient.top() - ownerFrame.top(),
        ownerFrame.right() - ownerClient.right(), ownerFrame.bottom() - ownerClient.bottom());
    const QSize outer = box->size().grownBy(frame);
    const QRect screen = owner->screen()->availableGeometry();
    constexpr int Gap = 8;
    const int centredLeft = ownerFrame.center().x() - outer.width() / 2;
    const int centredTop = ownerFrame.center().y() - outer.height() / 2;
    const QPoint candidates[] = {
        {centredLeft, clear.bottom() + 1 + Gap},
        {clear.left() - Gap - outer.width(), centredTop},
        {clear.right() + 1 + Gap, centredTop},
        {centredLeft, clear.top() - Gap - outer.height()},
    };
    QPoint best;
    qint64 bestOverlap = std::numeric_limits<qint64>::max();
    for (const QPoint &candidate : candidates) {
        QRect place(candidate, outer);
        place.moveLeft(std::clamp(place.left(), screen.left(),
                                  std::max(screen.left(), screen.right() + 1 - outer.width())));
        place.moveTop(std::clamp(place.top(), screen.top(),
                                 std::max(screen.top(), screen.bottom() + 1 - outer.height())));
        const qint64 covered = overlap(place, areas);
        if (covered < bestOverlap) {
            bestOverlap = covered;
            best = place.topLeft();
        }
        if (covered == 0)
            break;
    }
    // Unframed, a created window is moved by its client area.
    const bool framed = box->frameGeometry().size() != box->size();
    box->move(framed ? best : best + QPoint(frame.left(), frame.top()));
}

// A box placed once it has its final size; QDialog's own centring has run by then.
template<typename Dialog> class OwnedBox : public Dialog
{
public:
    explicit OwnedBox(QWidget *owner)
        : Dialog(owner)
    { }

protected:
    void showEvent(QShowEvent *event) override
    {
        Dialog::showEvent(event);
        if (!event->spontaneous())
            placeBeside(this, this->parentWidget());
    }
};

// A box that closes leaves no window active until a window manager hands the focus back, and
// without one nobody does: the owner takes it back, unless it was hidden meanwhile or the next
// box is already open. Its focus is then on the control that had it.
void giveFocusBack(QWidget *owner)
{
    if (!owner)
        return;
    QTimer::singleShot(0, owner, [owner] {
        if (owner->isVisible() && !owner->isActiveWindow() && !QApplication::activeModalWidget())
            owner->activateWindow();
    });
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Before Qt 6.8 a window cannot announce a text. A notification object that shows itself is
// spoken at once, so each window gets an invisible 1 x 1 one whose name is the message.
const QString NoticeName = QStringLiteral("screenReaderNotice");
constexpr char NoticeText[] = "noticeText";

class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(QWidget *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    { }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? widget()->property(NoticeText).toString() : QString();
    }
};

QAccessibleInterface *noticeFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && widget->objectName() == NoticeName ? new NoticeAccessible(widget) : nullptr;
}

void showNotice(QWidget *owner, const QString &text)
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(noticeFactory); });
    auto *notice = owner->findChild<QWidget *>(NoticeName, Qt::FindDirectChildrenOnly);
    if (!notice) {
        notice = new QWidget(owner);
        notice->setObjectName(NoticeName);
        notice->setGeometry(0, 0, 1, 1);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    notice->setProperty(NoticeText, text);
    // Showing it tells the screen reader. It hides again soon, so that the window's next
    // showing does not repeat an old message.
    notice->hide();
    notice->show();
    QTimer::singleShot(2000, notice, &QWidget::hide);
}
#endif

}

QtPlatform::QtPlatform()
{
    std::random_device device;
    std::seed_seq seed {device(), device(), device(), device()};
    m_generator.seed(seed);
}

QtPlatform::~QtPlatform()
{
    if (m_sound)
        ca_context_destroy(m_sound);
}

int QtPlatform::rtcMsgBox(QWidget *owner, const QString &text, int style, const QString &title)
{
    waitForAnnouncement();
    OwnedBox<QMessageBox> box(owner);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    // The program's own picture in place of Qt's standard icons.
    box.setIconPixmap(messageIcon(style, box));
    QPushButton *yes = nullptr;
    if ((style & 0x0F) == MsgStyle::YesNo) {
        yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton((style & MsgStyle::DefaultButton2) ? no : yes);
        box.setEscapeButton(no);
    } else {
        QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    widenForTitle(&box, title);
    box.exec();
    giveFocusBack(owner);
    if (!yes)
        return MsgResult::Ok;
    return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
}

QString QtPlatform::rtcInputBox(QWidget *owner, const QString &prompt, const QString &title)
{
    waitForAnnouncement();
    OwnedBox<QInputDialog> dialog(owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    dialog.setTextValue(QString());
    widenForTitle(&dialog, title);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    giveFocusBack(owner);
    return accepted ? dialog.textValue() : QString();
}

void QtPlatform::rtcBeep()
{
    const QString platform = QGuiApplication::platformName();
    // Headless there is no sound server; libcanberra would only print ALSA noise.
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    if (!m_soundTried) {
        m_soundTried = true;
        m_sound = openSoundContext();
    }
    if (!m_sound
        || ca_context_play(m_sound, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                           "Signalton", nullptr)
            != CA_SUCCESS)
        QApplication::beep();
}

void QtPlatform::announce(QWidget *owner, const QString &text)
{
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(owner, text);
    QAccessible::updateAccessibility(&event);
#else
    showNotice(owner, text);
#endif
    m_announced.start();
}

void QtPlatform::describe(QWidget *control, const QString &name, const QString &description)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // From Qt 6.8 on a screen reader says a change of the focused control's name or description,
    // which would repeat the announcement. It reads the control anew with the next focus.
    const bool quiet = control->hasFocus();
    const QAccessible::UpdateHandler previous
        = quiet ? QAccessible::installUpdateHandler([](QAccessibleEvent *) {}) : nullptr;
#endif
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (quiet)
        QAccessible::installUpdateHandler(previous);
#endif
}

// A screen reader speaks a box that opens before a message still in its queue: a box that follows
// a message at once waits a moment, so that the message is heard first.
void QtPlatform::waitForAnnouncement()
{
    constexpr qint64 Lead = 600;
    const qint64 left = m_announced.isValid() ? Lead - m_announced.elapsed() : 0;
    m_announced.invalidate();
    if (left <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(left, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

ca_context *QtPlatform::openSoundContext()
{
    ca_context *context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return nullptr;
    // Only through the sound server: there the sound follows the event-sounds volume, while
    // libcanberra's ALSA fallback bypasses it and prints to stderr where there is no card.
    // Mixers list the sound under the application's name.
    if (ca_context_set_driver(context, "pulse") != CA_SUCCESS
        || ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Vuvere Rovivudevu",
                                   CA_PROP_APPLICATION_ID, "de.qrw.VuvereRovivudevu",
                                   CA_PROP_APPLICATION_ICON_NAME, "de.qrw.VuvereRovivudevu",
                                   nullptr)
            != CA_SUCCESS
        || ca_context_open(context) != CA_SUCCESS) {
        ca_context_destroy(context);
        return nullptr;
    }
    return context;
}

void QtPlatform::rtcRandomize(double seed)
{
    // Mix the clock into the running state instead of restarting from it, so that two
    // seeds from the same clock tick still give different numbers.
    const auto bits = std::bit_cast<std::uint64_t>(seed);
    std::seed_seq mixed {static_cast<std::uint32_t>(m_generator()),
                         static_cast<std::uint32_t>(m_generator()),
                         static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    m_generator.seed(mixed);
}

double QtPlatform::rtcRandomNext()
{
    // 53 random bits scaled into [0, 1); never 1.0.
    return static_cast<double>(m_generator() >> 11) * 0x1.0p-53;
}

double QtPlatform::rtcGetTimer()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtPlatform::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtPlatform::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

QRectF QtPlatform::screenRectTwips(const QWidget *window)
{
    const QScreen *screen = window ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect pixels = screen->geometry();
    return {QPointF(pixels.x() * TwipsPerPixel, pixels.y() * TwipsPerPixel),
            pixelsToTwips(pixels.size())};
}

void QtPlatform::showWindow(QWidget *window, bool modal)
{
    if (!window->isVisible())
        window->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    window->show();
    window->raise();
    window->activateWindow();
}

void QtPlatform::hideWindow(QWidget *window)
{
    window->hide();
}

void QtPlatform::endProgram()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}
