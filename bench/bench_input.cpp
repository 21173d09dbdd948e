#include "test_support.h"

// What one key or "OK" costs inside the program, painting included, on the window's key path.
class BenchInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { f = std::make_unique<Form1Fixture>(); }

    void digit()
    {
        QBENCHMARK
        {
            // Short of the 20-character limit, so that every digit changes what is shown.
            if (f->form->state().TypedAnswer.size() > 9)
                f->form->state().TypedAnswer.clear();
            QTest::keyClick(f->form->windowHandle(), '3');
        }
    }

    void okRight()
    {
        Modul1 &state = f->form->state();
        QBENCHMARK
        {
            // Kept below the tenth right answer, so that no Memory game interrupts.
            state.CorrectCount = 0;
            state.TypedAnswer = state.ExpectedAnswer;
            QTest::keyClick(f->form->windowHandle(), Qt::Key_Return);
        }
    }

    void okWrong()
    {
        QBENCHMARK
        {
            QTest::keyClick(f->form->windowHandle(), Qt::Key_Return);
        }
    }

private:
    std::unique_ptr<Form1Fixture> f;
};

VUVERE_TEST_MAIN(BenchInput)
#include "bench_input.moc"
