#pragma once

#include "layout/label.h"
#include "main_window/form1.h"
#include "test_support.h"

#include <QListWidget>
#include <QWindow>

// A shown main window on the scripted platform, with helpers to answer its tasks.
struct Form1Fixture
{
    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;

    // Opens the window with the task factor x (10 tens + units).
    void open(int factor = 8, int tens = 4, int units = 7)
    {
        queueTask(platform, factor, tens, units);
        form = std::make_unique<Form1>(platform);
        platform.showWindow(form.get(), false);
    }
    QString caption(const char *label) const { return control<Label>(form.get(), label)->caption(); }
    QListWidget *errorList() const { return control<QListWidget>(form.get(), "Liste1"); }
    QStringList entries() const
    {
        QStringList items;
        for (int i = 0; i < errorList()->count(); ++i)
            items << errorList()->item(i)->text();
        return items;
    }
    void type(const QString &keys) const
    {
        for (const QChar key : keys)
            QTest::keyClick(form->windowHandle(), key.toLatin1());
    }
    void pressEnter() const { QTest::keyClick(form->windowHandle(), Qt::Key_Return); }
    // Types the right answer and confirms it; the next task is the one queued here.
    void answerRight(int factor = 3, int tens = 2, int units = 1)
    {
        queueTask(platform, factor, tens, units);
        type(QString(form->state().ExpectedAnswer).remove(u'+').remove(u'='));
        pressEnter();
    }
};
