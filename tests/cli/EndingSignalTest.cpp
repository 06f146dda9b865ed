#include "cli/ProgramRun.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <csignal>
#include <cstring>
#include <memory>
#include <ostream>
#include <sys/resource.h>
#include <vector>

namespace amsim {
namespace {

// The files of the export, in the order it writes them.
const char* const kFiles[] = {"a.csv", "a.wav", "a.png"};

// Where an export stands: each file old (o), missing (-) or new (n), then
// how many other files lie beside them (the hidden ones of the export).
QString stateOf(const QDir& folder) {
    QString state;
    qsizetype found = 0;
    for (const char* name : kFiles) {
        QFile file(folder.filePath(QLatin1String(name)));
        const bool there = file.open(QIODevice::ReadOnly);
        found += there ? 1 : 0;
        state += !there ? '-' : file.read(4) == "old\n" ? 'o' : 'n';
    }
    const qsizetype all = folder.entryList(QDir::Files | QDir::Hidden | QDir::System).size();
    return state + QString::number(all - found);
}

// One system call of the export's last steps, held up by strace: the state
// that shows it was made, and the state a signal then leaves.
struct Step {
    const char* name;
    const char* call;
    int when; // the call's number among its kind
    const char* reached;
    const char* left;
};

void PrintTo(const Step& step, std::ostream* out) {
    *out << step.name;
}

const Step kSteps[] = {
    {"SamplesOldCopyAside", "rename", 1, "-oo4", "ooo0"},
    {"SamplesInPlace", "rename", 2, "noo3", "ooo0"},
    {"SoundOldCopyAside", "rename", 3, "n-o4", "ooo0"},
    {"SoundInPlace", "rename", 4, "nno3", "ooo0"},
    {"PictureOldCopyAside", "rename", 5, "nn-4", "ooo0"},
    {"PictureInPlace", "rename", 6, "nnn3", "ooo0"},
    {"SamplesOldCopyRemoved", "unlink", 1, "nnn2", "nnn0"},
    {"SoundOldCopyRemoved", "unlink", 2, "nnn1", "nnn0"},
    {"PictureOldCopyRemoved", "unlink", 3, "nnn0", "nnn0"},
};

// Every kind of signal that ends a program by default and that a user or
// the system sends: from a terminal, a shell, a timer, a resource limit.
std::vector<int> endingSignals() {
    return {SIGTERM, SIGINT,    SIGHUP,  SIGQUIT, SIGUSR1, SIGUSR2,      SIGALRM,
            SIGPIPE, SIGVTALRM, SIGXCPU, SIGXFSZ, SIGPWR,  SIGRTMIN + 1, SIGRTMAX};
}

// The process that traces a process, from its status.
qint64 tracerOf(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> lines = status.readAll().split('\n');
    const auto tracer = std::find_if(lines.begin(), lines.end(), [](const QByteArray& line) {
        return line.startsWith("TracerPid:");
    });
    return tracer == lines.end() ? 0 : tracer->mid(10).trimmed().toLongLong();
}

// One export, held up at the step and ended by the signal, in a folder of
// its own.
struct Trial {
    int signal;
    QTemporaryDir folder;
    QProcess process;
};

class SignalDuringTheLastSteps : public ExportTest, public testing::WithParamInterface<Step> {
protected:
    // The export, under strace -D, so that the program is the process
    // started and strace a process apart; the call held up a minute, which
    // ends sooner when strace is killed.
    void start(Trial& trial, const Step& step) {
        for (const char* name : kFiles) {
            QFile old(QDir(trial.folder.path()).filePath(QLatin1String(name)));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old\n") == 4);
        }
        const QString call = QString::fromLatin1(step.call);
        trial.process.setChildProcessModifier([] {
            const rlimit none{0, 0};
            ::setrlimit(RLIMIT_CORE, &none); // SIGQUIT leaves no core in the folder
        });
        ExportTest::start(
            trial.process, QStringLiteral("strace"),
            {"-D", "-f", "-qq", "-e", "trace=" + call, "-e",
             QStringLiteral("inject=%1:delay_exit=60000000:when=%2").arg(call).arg(step.when),
             AMSIM_EXECUTABLE, "--export", "a.png", "--export-csv", "a.csv", "--export-wav",
             "a.wav"},
            "C.UTF-8", {}, trial.folder.path());
        ASSERT_TRUE(trial.process.waitForStarted());
    }

    // Waits for the step to be made, then sends the signal and lets the
    // call return: the program answers the signal after that step.
    static void interrupt(Trial& trial, const Step& step) {
        const QDir folder(trial.folder.path());
        const QDeadlineTimer deadline(60000);
        while (stateOf(folder) != QLatin1String(step.reached)) {
            ASSERT_FALSE(deadline.hasExpired())
                << "never reached: " << stateOf(folder).toStdString();
            ASSERT_FALSE(trial.process.waitForFinished(5))
                << "ended before: " << trial.process.readAllStandardError().toStdString();
        }
        const auto pid = static_cast<pid_t>(trial.process.processId());
        const auto tracer = static_cast<pid_t>(tracerOf(pid));
        ASSERT_GT(tracer, 0);
        ASSERT_EQ(::kill(pid, trial.signal), 0);
        ASSERT_EQ(::kill(tracer, SIGKILL), 0);
    }
};

TEST_P(SignalDuringTheLastSteps, LeavesEveryFileOldOrEveryFileNew) {
    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty()) {
        GTEST_SKIP() << "strace is not installed: it holds up one system call of the export";
    }
    if (QProcess::execute(QStringLiteral("strace"), {"-qq", "-e", "trace=none", "true"}) != 0) {
        GTEST_SKIP() << "strace may not trace here: it holds up one system call of the export";
    }
    const Step& step = GetParam();
    std::vector<std::unique_ptr<Trial>> trials;
    for (const int signal : endingSignals()) {
        trials.push_back(std::make_unique<Trial>());
        trials.back()->signal = signal;
        start(*trials.back(), step);
    }
    for (const auto& trial : trials) {
        SCOPED_TRACE(::strsignal(trial->signal));
        interrupt(*trial, step);
        ASSERT_TRUE(trial->process.waitForFinished(60000));
        EXPECT_EQ(trial->process.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(trial->process.exitCode(), trial->signal);
        EXPECT_EQ(stateOf(QDir(trial->folder.path())), QLatin1String(step.left));
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, SignalDuringTheLastSteps, testing::ValuesIn(kSteps),
                         [](const testing::TestParamInfo<Step>& step) {
                             return std::string(step.param.name);
                         });

} // namespace
} // namespace amsim
