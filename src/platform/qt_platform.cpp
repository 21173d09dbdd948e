#include "platform/qt_platform.h"

#include "layout/label.h"
#include "layout/twips.h"
#include "platform/message_icons.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTime>

#include <canberra.h>

#include <bit>

QtPlatform::QtPlatform()
{
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    m_generator.seed(seed);
}

QtPlatform::~QtPlatform()
{
    if (m_sound)
        ca_context_destroy(m_sound);
}

int QtPlatform::rtcMsgBox(const QString &text, int style, const QString &title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    switch (style & 0x70) {
    case MsgStyle::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgStyle::Question: box.setIcon(QMessageBox::Question); break;
    case MsgStyle::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgStyle::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    box.setIconPixmap(messageIcon(style, box));
    if ((style & 0x0F) == MsgStyle::YesNo) {
        QPushButton *yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton((style & MsgStyle::DefaultButton2) ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
    }
    QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MsgResult::Ok;
}

QString QtPlatform::rtcInputBox(const QString &prompt, const QString &title)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    dialog.setTextValue(QString());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
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
        || ca_context_play(m_sound, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Signalton", nullptr)
               != CA_SUCCESS)
        QApplication::beep();
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
                                   CA_PROP_APPLICATION_ICON_NAME, "de.qrw.VuvereRovivudevu", nullptr)
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
    std::seed_seq mixed{static_cast<std::uint32_t>(m_generator()), static_cast<std::uint32_t>(m_generator()),
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

QSizeF QtPlatform::screenSizeTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return pixelsToTwips(screen->geometry().size());
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
