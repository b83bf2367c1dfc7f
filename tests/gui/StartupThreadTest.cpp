// The desktop program's start-up leaves the toolkit on the process's main thread even
// when every thread started before the application object finishes its work first
// and stays alive (the hold shim), and the program then works: a calculation, the
// Shift Calculator and the About box open and close (the driver shim, which prints
// "startup-driver: ok"). Both shims are preloaded into the real program.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(StartupThread, ToolkitStaysOnTheMainThreadWhenStartThreadsLiveOn)
{
    QTemporaryDir dir; // no dealer file, and nothing written where the tests run
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(LENVARA_STARTUP_SHIMS));
    // Under the sanitizers their runtime is then not first in the list; it copes.
    env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) +
                                                   QStringLiteral(":verify_asan_link_order=0"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(LENVARA_PROGRAM_PATH), {});
    ASSERT_TRUE(program.waitForFinished(60000)) << "the program did not end";
    const QString strOut = QString::fromUtf8(program.readAllStandardOutput());
    const QString strErr = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitCode(), 0) << strOut.toStdString() << strErr.toStdString();
    EXPECT_TRUE(strOut.contains(QStringLiteral("startup-driver: ok"))) << strOut.toStdString();
    EXPECT_FALSE(strErr.contains(QStringLiteral("main() thread"))) << strErr.toStdString();
}
