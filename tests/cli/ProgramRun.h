#pragma once

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace amsim {

// The program itself, run as a user would: no display, no platform chosen,
// in a temporary folder of its own.
struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

class ExportTest : public testing::Test {
protected:
    Finished amsim(const QStringList& arguments, const QString& locale = QStringLiteral("C.UTF-8"),
                   const QStringList& environment = {}) {
        return run(QStringLiteral(AMSIM_EXECUTABLE), arguments, locale, environment);
    }

    // A shell script run in the folder, $AMSIM naming the program: for file
    // names that are not UTF-8, and for pipes.
    Finished shell(const QString& script) {
        return run(QStringLiteral("bash"), {QStringLiteral("-c"), script}, "C.UTF-8",
                   {QStringLiteral("AMSIM=" AMSIM_EXECUTABLE)});
    }

    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    QStringList filesWritten() const { return QDir(folder.path()).entryList(QDir::Files); }

    QTemporaryDir folder;
    QTemporaryDir runtime;
    QTemporaryDir settings;

    // Any program, in the folder, with the same environment.
    Finished run(const QString& program, const QStringList& arguments, const QString& locale,
                 const QStringList& extra) {
        QProcess process;
        start(process, program, arguments, locale, extra, folder.path());
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // The same, started in a folder of the caller's and left running.
    void start(QProcess& process, const QString& program, const QStringList& arguments,
               const QString& locale, const QStringList& extra, const QString& in) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LANG", "LC_NUMERIC", "LANGUAGE"}) {
            environment.remove(QLatin1String(name));
        }
        environment.insert(QStringLiteral("LC_ALL"), locale);
        // Keeps Qt's own note about a missing runtime folder off the error output.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        // The window's kept choices (its language) in a folder of the test's.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
        // "NAME=value" sets a variable, "NAME" alone takes it away.
        for (const QString& setting : extra) {
            if (setting.contains('=')) {
                environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
            } else {
                environment.remove(setting);
            }
        }
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(in);
        process.start(program, arguments);
    }
};

} // namespace amsim
