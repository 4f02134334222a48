// The help command through the plugin this project builds: the topic, and
// the local page it hands to the desktop's browser.

#include "HelpLibrary.h"
#include "ScriptedPrompts.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/wait.h>

using namespace Qt::Literals::StringLiterals;

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensTheLocalPage()
    {
        // A stand-in browser that notes what it was asked to open.
        QTemporaryDir bin;
        const QString opened = bin.filePath(u"opened"_s);
        QFile opener(bin.filePath(u"xdg-open"_s));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        // Written beside, then renamed, so the note never appears half written.
        opener.write("#!/bin/sh\nprintf '%s' \"$1\" > '" + opened.toUtf8() + ".part' && mv '"
            + opened.toUtf8() + ".part' '" + opened.toUtf8() + "'\n");
        opener.close();
        opener.setPermissions(
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("PATH", bin.path().toUtf8() + ":/usr/bin:/bin");

        HelpLibrary help(programFolder());
        QCOMPARE(help.topic(),
            u"mk:@MSITStore:"_s + programFolder() + u"Help\\Lumahelp.chm::/Quillan/index.htm"_s);
        ScriptedPrompts prompts;
        help.HelpMenuClick(prompts);
        QCOMPARE(prompts.texts(), QStringList());
        QTRY_VERIFY(QFile::exists(opened));
        // Nothing is left to reap: no zombie per press.
        QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1);
        QCOMPARE(errno, ECHILD);
        QFile result(opened);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromUtf8(result.readAll()), programFolder() + u"Help/Quillan/index.htm"_s);
    }

    void saysWhyTheGuideCannotBeShown()
    {
        ScriptedPrompts prompts;
        qputenv("PATH", "/nonexistent");
        HelpLibrary(programFolder()).HelpMenuClick(prompts);
        QCOMPARE(prompts.texts(),
            QStringList{u"The guide could not be opened:\r\n\r\n"_s + programFolder()
                + u"Help/Quillan/index.htm\r\n\r\nNo program to open web pages (xdg-open) "
                  "was found."_s});
        QTemporaryDir empty;
        HelpLibrary(empty.path() + u'/').HelpMenuClick(prompts);
        QVERIFY(prompts.texts().last().startsWith(
            u"The guide could not be opened:\r\n\r\n"_s + empty.path()));
        QVERIFY(prompts.texts().last().endsWith(u"The page does not exist or cannot be read."_s));
    }
};

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_Help.moc"
