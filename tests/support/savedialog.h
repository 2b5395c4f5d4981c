#pragma once

#include "desktop/form1window.h"

#include "support/deadline.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

// Runs a program to its end; its standard output, or a failure of the test.
inline QByteArray Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(DeadlineMs) || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

// Ctrl+S in the window, and the save dialog it opens; null, and a failure
// of the test, where none opens before the deadline.
inline QFileDialog* OpenSaveDialog(app::Form1Window& window)
{
    QFileDialog* dialog = nullptr;
    [&] {
        // Active again, as a window manager leaves it once a message closes.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window, DeadlineMs));
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT((dialog = window.findChild<QFileDialog*>("saveDialog")) && dialog->isVisible(),
                                 DeadlineMs);
    }();
    return dialog;
}

// Puts a name into the dialog, as if pasted, and presses Enter.
inline void Type(QFileDialog* dialog, const QString& name)
{
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(edit);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}
