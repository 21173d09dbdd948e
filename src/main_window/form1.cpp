#include "main_window/form1.h"

#include "info_window/qrwlabel.h"
#include "layout/label.h"
#include "layout/picture_button.h"
#include "layout/twips.h"
#include "memory/form5.h"
#include "platform/platform.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

const QString ErrorEntryGaps = QStringLiteral(" _____ + ___ = _____");
const QString CaptionPrefix = QStringLiteral("Vuvere Rovivudevu: ");
constexpr int MaxTypedLength = 20;
constexpr int ListShownLeft = 3600;
constexpr int ListHiddenLeft = 8400;
constexpr int WarningFromErrors = 51;

// The evaluation's verdicts; each band starts at its lower limit.
struct Verdict
{
    double from;
    const char *text;
};
constexpr Verdict Verdicts[] = {
    {70, "Du machst zu viele Fehler!"},
    {60, "Du musst viel mehr üben!"},
    {50, "Du musst noch etwas üben!"},
    {40, "Das geht gerade noch so!"},
    {30, "Schon recht ordentlich!"},
    {20, "Das klappt schon fast gut!"},
    {10, "Das hast du gut gemacht!"},
    {5, "Das hast du prima gemacht!"},
    {-std::numeric_limits<double>::infinity(), "Das ist einfach Spitze!"},
};

// A task as a child says it: " 4 7 · 8 =" is "47 mal 8".
QString spokenTask(const QString &task)
{
    return task.section(u'=', 0, 0).remove(u' ').replace(QChar(MiddleDot), QStringLiteral(" mal "));
}

QString spokenAnswer(const QString &answer)
{
    if (answer.isEmpty())
        return QStringLiteral("noch leer");
    return QString(answer)
        .replace(u'+', QStringLiteral(" plus "))
        .replace(u'=', QStringLiteral(" gleich "))
        .trimmed();
}

QString verdictFor(double percent)
{
    for (const Verdict &verdict : Verdicts) {
        if (percent >= verdict.from)
            return QString::fromUtf8(verdict.text);
    }
    return {};
}

}

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
{
    setUpWindow(this, "Form1", CaptionPrefix + QStringLiteral("Freund und Gast"), {7725, 3705},
                QColor(128, 255, 255));
    buildControls(this, controls());

    Bezeichnung1 = control<Label>(this, "Bezeichnung1");
    Bezeichnung2 = control<Label>(this, "Bezeichnung2");
    // A long answer shows its end, which the child has just typed.
    Bezeichnung2->setShowEnd(true);
    Bezeichnung3 = control<Label>(this, "Bezeichnung3");
    Bezeichnung4 = control<Label>(this, "Bezeichnung4");
    showCount(Bezeichnung3, 0, "Fehler");
    showCount(Bezeichnung4, 0, "richtig");
    Bezeichnung5 = control<Label>(this, "Bezeichnung5");
    Bezeichnung6 = control<Label>(this, "Bezeichnung6");
    // The store labels hold half the answer: out of sight is not enough for a screen reader.
    Bezeichnung5->hide();
    Bezeichnung6->hide();
    Befehl11 = control<QPushButton>(this, "Befehl11");
    Befehl18 = control<QPushButton>(this, "Befehl18");
    Befehl18->setAccessibleName(QStringLiteral("Löschen"));
    Liste1 = control<QListWidget>(this, "Liste1");
    Liste1->setAccessibleName(QStringLiteral("Fehlerliste"));

    // A box must not hide the task and the answer, nor the error list while it is shown.
    for (QWidget *area : std::initializer_list<QWidget *> {Bezeichnung1, Bezeichnung2, Liste1})
        area->setProperty(KeepClearProperty, true);

    // OK and, while it is shown, the error list are the only tab stops.
    Befehl11->setFocusPolicy(Qt::StrongFocus);
    Liste1->setFocusPolicy(Qt::NoFocus);
    setTabOrder(Befehl11, Liste1);

    m_digits = new QButtonGroup(this);
    for (int digit = 0; digit <= 9; ++digit) {
        const QByteArray name = "Befehl" + QByteArray::number(digit == 0 ? 10 : digit);
        m_digits->addButton(control<QPushButton>(this, name.constData()), digit);
    }
    connect(m_digits, &QButtonGroup::idClicked, this, &Form1::appendDigit);
    connect(Befehl18, &QPushButton::clicked, this, &Form1::Befehl18_Click);
    connect(Befehl11, &QPushButton::clicked, this, &Form1::Befehl11_Click);

    // Every picture command has a key that clicks it; Esc, which asks to end, is the key preview's.
    const std::tuple<const char *, void (Form1::*)(), Qt::Key> commands[] = {
        {"Bild1", &Form1::Bild1_Click, Qt::Key_Escape}, {"Bild3", &Form1::Bild3_Click, Qt::Key_F2},
        {"Bild2", &Form1::Bild2_Click, Qt::Key_F3},     {"Bild7", &Form1::Bild7_Click, Qt::Key_F1},
        {"Bild6", &Form1::Bild6_Click, Qt::Key_F4},     {"Bild9", &Form1::Bild9_Click, Qt::Key_F5},
        {"Bild4", &Form1::Bild4_Click, Qt::Key_F6},     {"Bild8", &Form1::Bild8_Click, Qt::Key_F7},
        {"Bild5", &Form1::Bild5_Click, Qt::Key_F8},
    };
    for (const auto &[name, handler, key] : commands) {
        auto *button = control<PictureButton>(this, name);
        connect(button, &PictureButton::clicked, this, handler);
        const QString keyName = QKeySequence(key).toString(QKeySequence::NativeText);
        button->setToolTip(button->accessibleName() + QStringLiteral(" (") + keyName + u')');
        button->setAccessibleDescription(QStringLiteral("Taste ") + keyName);
        if (key != Qt::Key_Escape)
            connect(new QShortcut(key, this), &QShortcut::activated, button, &PictureButton::click);
    }
    connect(new QShortcut(Qt::Key_F9, this), &QShortcut::activated, this,
            &Form1::tellTaskAndAnswer);

    // Key preview: the QWindow sees every key once, before the focused control.
    winId();
    windowHandle()->installEventFilter(this);
    Befehl11->setFocus();

    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    centreWindow(this, m_platform.screenRectTwips(this));
    m_platform.rtcRandomize(m_platform.rtcGetTimer());
    NewTask();
}

void Form1::NewTask()
{
    const TaskTexts texts = ::NewTask(m_state, m_platform);
    Bezeichnung5->setCaption(texts.tensPart);
    Bezeichnung6->setCaption(texts.unitsPart);
    Bezeichnung1->setCaption(texts.task);
    Bezeichnung2->setCaption(QString());
    // Said with OK whenever the focus comes back to the window.
    m_platform.describe(Befehl11, QString(), QStringLiteral("Aufgabe: ") + spokenTask(texts.task));
}

void Form1::tellTaskAndAnswer()
{
    m_platform.announce(this,
                        Befehl11->accessibleDescription() + QStringLiteral(". Deine Antwort: ")
                            + spokenAnswer(m_state.TypedAnswer));
}

void Form1::changeEvent(QEvent *event)
{
    // Back in the window, the child is where the answer is checked, never on the error list.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Befehl11->setFocus();
    QWidget::changeEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::KeyPress) {
        // Hidden, the window is out of play: TypedAnswer then holds the Memory game's card status.
        if (!isVisible())
            return true;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (Form_KeyDown(key->key()))
            return true;
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            Form_KeyPress(key->text());
    }
    return QWidget::eventFilter(watched, event);
}

// Returns true for the keys that are used up here, so that no button answers them again.
bool Form1::Form_KeyDown(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Befehl11_Click();
        return true;
    case Qt::Key_Escape:
        Bild1_Click();
        return true;
    case Qt::Key_Backspace:
        m_state.TypedAnswer.chop(1);
        Bezeichnung2->setCaption(m_state.TypedAnswer);
        return false;
    default:
        return false;
    }
}

void Form1::Form_KeyPress(const QString &text)
{
    if (text.size() != 1)
        return;
    const QChar c = text.front();
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        appendDigit(c.digitValue());
    else if (c == QLatin1Char('>') || c == QLatin1Char('<') || c == QLatin1Char('+')
             || c == QLatin1Char('='))
        enterSign(c);
}

void Form1::appendDigit(int digit)
{
    m_state.TypedAnswer += QChar(u'0' + digit);
    ShowTypedAnswer();
}

void Form1::enterSign(QChar sign)
{
    m_state.TypedAnswer = sign;
    ShowTypedAnswer();
}

void Form1::ShowTypedAnswer()
{
    QString &typed = m_state.TypedAnswer;
    const QString &expected = m_state.ExpectedAnswer;
    typed.truncate(MaxTypedLength);
    // The separators follow the length of the text, not its digits.
    for (const QChar separator : {QLatin1Char('+'), QLatin1Char('=')}) {
        if (typed.size() < expected.size() && expected.at(typed.size()) == separator) {
            typed += separator;
            // The key echo says the digits; the sign the program adds is said here.
            m_platform.announce(this, spokenAnswer(separator));
        }
    }
    Bezeichnung2->setCaption(typed);
    Befehl11->setFocus();
}

void Form1::Befehl18_Click()
{
    if (m_state.TypedAnswer.size() > 1) {
        m_state.TypedAnswer.chop(1);
        Bezeichnung2->setCaption(m_state.TypedAnswer);
    } else {
        m_state.TypedAnswer.clear();
        Bezeichnung2->setCaption(QString());
        Befehl11->setFocus();
    }
}

void Form1::Befehl11_Click()
{
    if (m_state.TypedAnswer != m_state.ExpectedAnswer) {
        m_platform.rtcBeep();
        m_platform.rtcMsgBox(this, QStringLiteral("Das ist leider falsch!\r"), MsgStyle::OkOnly,
                             QStringLiteral("Rechenfehler"));
        // The counter stops at its largest value; the answer is still listed.
        if (m_state.ErrorCount < std::numeric_limits<std::int16_t>::max())
            ++m_state.ErrorCount;
        const QString entry = Bezeichnung1->caption() + ErrorEntryGaps;
        // Each task is listed once.
        if (Liste1->findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
            Liste1->addItem(entry);
            // The blanks to fill in are for the eye.
            Liste1->item(Liste1->count() - 1)->setData(Qt::AccessibleTextRole, spokenTask(entry));
        }
        Bezeichnung2->setCaption(QString());
        m_state.TypedAnswer.clear();
        showCount(Bezeichnung3, m_state.ErrorCount, "Fehler");
        if (m_state.ErrorCount >= WarningFromErrors)
            ShowErrorWarning();
        return;
    }
    Bezeichnung2->setCaption(QString());
    ++m_state.CorrectCount;
    showCount(Bezeichnung4, m_state.CorrectCount, "richtig");
    NewTask();
    m_platform.announce(this,
                        QStringLiteral("Richtig! ") + Bezeichnung4->accessibleName()
                            + QStringLiteral(". Neue ") + Befehl11->accessibleDescription());
    CheckReward();
}

// The caption shows the bare number; a screen reader says what it counts.
void Form1::showCount(Label *counter, qint64 count, const char *what)
{
    counter->setCaption(Platform::plainNumberText(count));
    counter->setAccessibleName(counter->caption() + u' ' + QLatin1String(what));
}

void Form1::ShowErrorWarning()
{
    const QColor red = Platform::rtcQBColor(12);
    setWindowColour(this, red);
    setBackColour(Bezeichnung1, red);
    setBackColour(Bezeichnung2, red);
}

// The reward rule reads the count back from its label, the one place it is shown.
qint64 Form1::rightAnswersShown() const
{
    return Platform::rtcInt(Platform::rtcR8ValFromBstr(Bezeichnung4->caption()));
}

void Form1::CheckReward()
{
    const qint64 right = rightAnswersShown();
    if (right % 10 != 0)
        return;
    m_platform.rtcMsgBox(this, QStringLiteral("Jetzt gibt es eine Belohnung."),
                         MsgStyle::Information, QStringLiteral("Memoryspiel"));
    m_platform.hideWindow(this);
    if (!m_memory)
        m_memory = std::make_unique<Form5>(m_state, m_platform,
                                           [this] { m_platform.showWindow(this, false); });
    m_platform.showWindow(m_memory.get(), false);
    m_memory->DealCards();
}

void Form1::showMainWindow()
{
    if (m_memory && m_memory->isVisible())
        m_platform.showWindow(m_memory.get(), false);
    else
        m_platform.showWindow(this, false);
}

void Form1::Bild3_Click()
{
    m_platform.rtcMsgBox(this, QStringLiteral("Nach 10 Aufgaben gibt es eine Spielrunde!"),
                         MsgStyle::Information, QStringLiteral("Belohnung"));
}

void Form1::Bild4_Click()
{
    const qint64 right = rightAnswersShown();
    const qint64 left = 10 - right % 10;
    m_platform.rtcMsgBox(this,
                         QStringLiteral("Noch") + Platform::rtcStrFromVar(left)
                             + QStringLiteral(" Aufgaben bis zur Spielrunde!"),
                         MsgStyle::Exclamation, QStringLiteral("Belohnung"));
}

void Form1::Bild2_Click()
{
    const QString title = QStringLiteral("Fehler");
    if (m_state.CorrectCount == 0) {
        m_platform.rtcMsgBox(this, QStringLiteral("Du hast noch keine richtige Lösung!"),
                             MsgStyle::Information, title);
        return;
    }
    // Quotient first, then times 100: the order shows in the truncated number.
    const double quotient
        = static_cast<double>(m_state.ErrorCount) / static_cast<double>(m_state.CorrectCount);
    const double percent = quotient * 100.0;
    const QString lineBreak = QStringLiteral("\n\r");
    m_platform.rtcMsgBox(this,
                         QStringLiteral("Du hast")
                             + Platform::rtcStrFromVar(static_cast<qint64>(std::trunc(percent)))
                             + QStringLiteral("% Fehler:") + lineBreak + lineBreak
                             + verdictFor(percent),
                         MsgStyle::Information, title);
}

void Form1::moveErrorList(int leftTwips)
{
    Liste1->move(twipsToPixels(leftTwips), Liste1->y());
    const bool shown = leftTwips == ListShownLeft;
    if (!shown && focusWidget() == Liste1)
        Befehl11->setFocus();
    Liste1->setFocusPolicy(shown ? Qt::StrongFocus : Qt::NoFocus);
}

void Form1::Bild6_Click()
{
    exportErrorList();
}

bool Form1::exportErrorList()
{
    const QString title = QStringLiteral("Fehlerliste kopieren");
    moveErrorList(ListShownLeft);
    if (Liste1->count() == 0) {
        m_platform.rtcMsgBox(this, QStringLiteral("Es sind keine Fehler vorhanden!\r\r"),
                             MsgStyle::OkOnly, QStringLiteral("Fehlerliste abbrechen"));
        moveErrorList(ListHiddenLeft);
        return true;
    }
    const int answer = m_platform.rtcMsgBox(
        this, QStringLiteral("Die Fehlerliste kopieren?\r\r"),
        MsgStyle::YesNo | MsgStyle::Question | MsgStyle::DefaultButton2, title);
    moveErrorList(ListHiddenLeft);
    if (answer != MsgResult::Yes)
        return true;

    QString text = QStringLiteral("Fehlerliste von QRW-Vuvere Rovivudevu:\r\n\r\n");
    for (int i = 0; i < Liste1->count(); ++i)
        text += Liste1->item(i)->text() + QStringLiteral("\r\n");
    m_platform.clearClipboard();
    m_platform.setClipboardText(text);
    // The list is the only record of the mistakes: it is emptied only once the copy is there.
    if (m_platform.clipboardText() != text) {
        m_platform.rtcMsgBox(this, QStringLiteral("Die Fehlerliste konnte nicht kopiert werden."),
                             MsgStyle::Exclamation, title);
        return false;
    }
    Liste1->clear();
    m_platform.rtcMsgBox(this,
                         QStringLiteral("Die Fehlerliste wurde kopiert und kann nun\rin die "
                                        "Textverarbeitung eingefügt werden.\r"),
                         MsgStyle::OkOnly, title);
    moveErrorList(ListHiddenLeft);
    return true;
}

void Form1::Bild7_Click()
{
    const QString dot = QChar(MiddleDot);
    m_platform.rtcMsgBox(this,
                         QStringLiteral("Rechne so:\r\r73 ") + dot
                             + QStringLiteral(" 6 = 420 + 18 = 438\r\r8 ") + dot
                             + QStringLiteral(" 47 = 320 + 56 = 376\r\r"),
                         MsgStyle::OkOnly, QStringLiteral("Zerlegungsaufgabe"));
}

void Form1::Bild8_Click()
{
    m_platform.rtcMsgBox(
        this,
        QStringLiteral("Klicke mit der Maus auf die Knöpfe am unteren Bildschirmrand\r"
                       "oder gib die Ziffern direkt über die Tastatur ein. Zum Löschen\r"
                       "nimmst du die Pfeil-Löschtaste und zur Eingabe die Entertaste.\r\r"),
        MsgStyle::OkOnly, QStringLiteral("Tasteneingabe"));
}

void Form1::Bild9_Click()
{
    const QString name = m_platform.rtcInputBox(this, QStringLiteral("Name eingeben:"),
                                                QStringLiteral("Neuer Benutzer"));
    if (name.isEmpty())
        return;
    setCaptionName(name);
    bool copied = true;
    if (Liste1->count() > 0)
        copied = exportErrorList();
    // A list whose copy failed stays, rather than being lost.
    if (copied)
        Liste1->clear();
}

void Form1::setCaptionName(const QString &name)
{
    // Qt reads "[*]" in a title as the modified marker; doubled, it shows as typed.
    QString shown = name;
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(CaptionPrefix + shown);
}

void Form1::Bild5_Click()
{
    if (!m_info)
        m_info = std::make_unique<QRWLABEL>(m_platform, [this] { showMainWindow(); });
    m_platform.showWindow(m_info.get(), false);
}

void Form1::Bild1_Click()
{
    const int answer
        = m_platform.rtcMsgBox(this, QStringLiteral("Dieses Programm jetzt beenden?\r\r"),
                               MsgStyle::YesNo | MsgStyle::Critical | MsgStyle::DefaultButton2,
                               QStringLiteral("Vuvere Rovivudevu"));
    if (answer == MsgResult::Yes)
        m_platform.endProgram();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing through the frame asks first, like "Ende": a slip must not lose the error list.
    event->ignore();
    Bild1_Click();
}
