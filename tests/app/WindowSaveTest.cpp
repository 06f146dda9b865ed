#include "support/ShownForm.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace amsim {
namespace {

// The window's "Guardar datos…" over what is already there, with the same
// care as the command line's export: refused where the shell's `>` would
// be or where other names would keep the old contents, else replaced whole,
// its owner and mode kept.
struct SaveRow {
    const char* name;
    const char* prepare; // run in the folder, before the save
    QString file;        // the name the save is given, in the folder
    bool needsRoot;      // for nobody's files or rights
    bool asNobody;       // the save is made with nobody's rights
    const char* refusal; // a part of the message; empty when saved
    const char* owner;   // stat's "%U:%G %a" of a.csv afterwards; empty to skip
};

void PrintTo(const SaveRow& row, std::ostream* out) {
    *out << row.name;
}

const QString kLongName = QString(251, 'n') + ".csv";

// Back to where the test was, and to root's rights, whatever happens.
struct Restored {
    QString folder = QDir::currentPath();
    ~Restored() {
        ::seteuid(0);
        QDir::setCurrent(folder);
    }
};

class WindowSave : public ShownForm, public testing::WithParamInterface<SaveRow> {
protected:
    WindowSave() { form.showInstant(0.25); }

    // Saves the samples under this name; the message, if one opened.
    QString save(const QString& name) {
        form.setFileNameAsker(
            [name](Form1&, const QString&, const QString&, const QString&) { return name; });
        form.findChild<QAction*>(QStringLiteral("GuardarDatos"))->trigger();
        QString said = message() != nullptr ? message()->text() : QString();
        if (message() != nullptr) {
            message()->done(QMessageBox::Ok);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return said;
    }
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString shell(const QString& command) {
    QProcess run;
    run.start("sh", {"-c", command});
    run.waitForFinished(-1);
    return QString::fromUtf8(run.readAllStandardOutput()).trimmed();
}

TEST_P(WindowSave, RefusesWhatTheShellWouldAndKeepsOwnerAndMode) {
    const SaveRow& row = GetParam();
    if (row.needsRoot && ::geteuid() != 0) {
        GTEST_SKIP() << "another user's rights need root";
    }
    QTemporaryDir reference;
    ASSERT_EQ(save(reference.filePath("ref.csv")), "");
    const QByteArray saved = contents(reference.filePath("ref.csv"));
    ASSERT_TRUE(saved.startsWith("x,t_ms,"));

    QTemporaryDir folder;
    const Restored restored;
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    shell(QString::fromUtf8(row.prepare));
    const QByteArray old = contents("a.csv");
    QStringList before = QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (row.asNobody) {
        const passwd* nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        ASSERT_EQ(::seteuid(nobody->pw_uid), 0);
    }
    const QString said = save(row.file);
    ::seteuid(0);

    const QString refusal = QString::fromUtf8(row.refusal);
    if (refusal.isEmpty()) {
        EXPECT_EQ(said, "");
        EXPECT_TRUE(contents(row.file) == saved);
    } else {
        EXPECT_TRUE(said.startsWith("No se pudo escribir el archivo «") && said.contains(refusal))
            << said.toStdString();
        EXPECT_TRUE(contents("a.csv") == old);
    }
    if (std::strlen(row.owner) > 0) {
        EXPECT_EQ(shell("stat -c '%U:%G %a' a.csv"), row.owner);
    }
    QStringList after = QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    after.removeAll(QFileInfo(row.file).fileName());
    before.removeAll(QFileInfo(row.file).fileName());
    EXPECT_EQ(after, before) << "no hidden file left";
}

INSTANTIATE_TEST_SUITE_P(
    OverWhatIsThere, WindowSave,
    testing::Values(SaveRow{"NobodyOverRootsReadOnlyFile",
                            "chmod 777 .; echo old > a.csv; chmod 444 a.csv", "a.csv", true, true,
                            "no hay permiso para escribir", "root:root 444"},
                    SaveRow{"HardLinkedFile", "echo old > a.csv; ln a.csv b.csv", "b.csv", false,
                            false, "un enlace duro", ""},
                    SaveRow{"NameOf255Bytes", "", kLongName, false, false, "", ""},
                    SaveRow{"OwnerAndModeKept",
                            "echo old > a.csv; chown nobody:nogroup a.csv; chmod 640 a.csv",
                            "a.csv", true, false, "", "nobody:nogroup 640"},
                    SaveRow{"RegularFileUnderProcCwd", "yes old | head -c 2000000 > a.csv",
                            "/proc/self/cwd/a.csv", false, false, "", ""}),
    [](const testing::TestParamInfo<SaveRow>& row) { return std::string(row.param.name); });

} // namespace
} // namespace amsim
