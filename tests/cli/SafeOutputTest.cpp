#include "cli/ProgramRun.h"

#include <QDirIterator>
#include <QFile>
#include <QImageWriter>
#include <map>
#include <ostream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace amsim {
namespace {

using SafeOutput = ExportTest;

const QString kHeader = QStringLiteral("x,t_ms,generador,portadora,");

// The kind of node at the path, as stat sees it.
mode_t kindOf(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

bool makeNode(const QString& path, mode_t kind, dev_t device) {
    return ::mknod(QFile::encodeName(path).constData(), kind | 0666, device) == 0;
}

// Device nodes and FIFOs of the test's own, never the system's: written into,
// never replaced; a write error is said, naming the file.
TEST_F(SafeOutput, WhatIsNoRegularFileIsWrittenIntoAndNeverReplaced) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "making device nodes needs root";
    }
    struct Row {
        const char* name;
        const char* node;
        dev_t device;
        int exitCode;
        const char* message;
    };
    const Row rows[] = {
        {"a full device: the error is told", "full", makedev(1, 7), 2,
         "»: no queda espacio en el disco. No se escribió ningún archivo.\n"},
        {"a null device takes it all", "null", makedev(1, 3), 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(makeNode(path(row.node), S_IFCHR, row.device));
        const Finished run = amsim({"--export-csv", path(row.node)});
        EXPECT_EQ(run.exitCode, row.exitCode);
        const QString message = QString::fromUtf8(row.message);
        EXPECT_TRUE(message.isEmpty() ? run.err.isEmpty() : run.err.endsWith(message))
            << run.err.toStdString();
        EXPECT_EQ(kindOf(path(row.node)), S_IFCHR);
    }
    // Both or neither: the picture is not left behind by the samples' failure.
    const Finished both = amsim({"--export", path("a.png"), "--export-csv", path("full")});
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_EQ(filesWritten(), QStringList{});
}

TEST_F(SafeOutput, StreamsReceiveTheSamples) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    const Finished fifo = shell("cat fifo > read.csv & \"$AMSIM\" --export-csv fifo; wait");
    EXPECT_EQ(fifo.exitCode, 0) << fifo.err.toStdString();
    EXPECT_EQ(kindOf(path("fifo")), S_IFIFO);
    QFile read(path("read.csv"));
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_TRUE(read.readAll().startsWith(kHeader.toUtf8()));

    // The pipe through /proc rather than /dev/stdout: nothing can be created
    // or renamed there, so even a faulty export could replace no system file.
    const Finished piped = shell("\"$AMSIM\" --export-csv /proc/self/fd/1 | head -n 2");
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_TRUE(piped.out.startsWith(kHeader)) << piped.out.left(80).toStdString();
    EXPECT_EQ(piped.out.count('\n'), 2);
    EXPECT_EQ(filesWritten(), QStringList{"read.csv"});
}

TEST_F(SafeOutput, OneFileIsNeverNamedTwice) {
    QFile old(path("old.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ASSERT_TRUE(QFile::link(path("old.png"), path("link.csv")));
    struct Row {
        const char* name;
        QStringList arguments;
    };
    const Row rows[] = {
        {"the same name", {"--export", "a.png", "--export-csv", "a.png"}},
        {"the same name by two paths", {"--export", "a.png", "--export-csv", "./a.png"}},
        {"a link and its file", {"--export", "old.png", "--export-csv", "link.csv"}},
        {"the sound and the samples", {"--export-csv", "s.wav", "--export-wav", "s.wav"}},
        {"the samples and the S/N curve", {"--export-csv", "c.csv", "--export-curva", "c.csv"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Finished run = amsim(row.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains("son el mismo archivo")) << run.err.toStdString();
        EXPECT_EQ(filesWritten(), (QStringList{"link.csv", "old.png"}));
    }
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
}

TEST_F(SafeOutput, TheExtensionChoosesTheFormat) {
    struct Row {
        const char* name;
        const char* file;
        QByteArray magic; // empty: refused
    };
    const Row rows[] = {
        {"PNG", "a.png", "\x89PNG"}, {"capital letters", "b.PNG", "\x89PNG"},
        {"BMP", "c.bmp", "BM"},      {"JPEG", "d.jpg", "\xff\xd8\xff"},
        {"no extension", "e", {}},   {"not a picture", "f.csv", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.magic.startsWith('\xff') &&
            !QImageWriter::supportedImageFormats().contains("jpg")) {
            continue;
        }
        const QStringList before = filesWritten();
        const Finished run = amsim({"--export", row.file});
        if (row.magic.isEmpty()) {
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_TRUE(run.err.contains("necesita la extensión")) << run.err.toStdString();
            EXPECT_EQ(filesWritten(), before);
            continue;
        }
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QFile written(path(row.file));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().startsWith(row.magic));
    }
}

TEST_F(SafeOutput, NamesKeepTheirBytes) {
    const Finished run = shell("\"$AMSIM\" --export-csv \"$(printf 'caf\\351.csv')\"");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray folderBytes = QFile::encodeName(folder.path());
    struct stat status {};
    EXPECT_EQ(::stat((folderBytes + "/caf\xe9.csv").constData(), &status), 0);
    EXPECT_NE(::stat((folderBytes + "/caf\xef\xbf\xbd.csv").constData(), &status), 0);
    // Qt cannot name this file to remove it with its folder.
    ::unlink((folderBytes + "/caf\xe9.csv").constData());
}

// A value's stray bytes are quoted as U+FFFD, as in a box, not as '?'.
TEST_F(SafeOutput, StrayBytesOfAValueAreQuotedAsReplacements) {
    const Finished run = shell("\"$AMSIM\" --medidas --vcc \"$(printf '\\377\\3761')\"");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, QStringLiteral("El valor de «V(cc)» no es un número: «\uFFFD\uFFFD1».\n"));
}

// Texts of any length are read whole, and a message quotes a long one cut short.
TEST_F(SafeOutput, LongTextsAreReadWholeAndQuotedShort) {
    ASSERT_EQ(amsim({"--export-csv", "one.csv", "--mdl", "1"}).exitCode, 0);
    const Finished zeros = amsim({"--export-csv", "zeros.csv", "--mdl", QString(32767, '0') + "1"});
    EXPECT_EQ(zeros.exitCode, 0) << zeros.err.left(200).toStdString();
    QFile one(path("one.csv"));
    QFile many(path("zeros.csv"));
    ASSERT_TRUE(one.open(QIODevice::ReadOnly) && many.open(QIODevice::ReadOnly));
    EXPECT_EQ(one.readAll(), many.readAll());

    struct Row {
        const char* name;
        QString text;
        const char* message;
    };
    const Row rows[] = {
        {"blanks, then a word", "5" + QString(40000, ' ') + "x",
         "El valor de «Modulante» no es un número: «5"},
        {"a hundred thousand digits", "1" + QString(99999, '0'),
         "El valor de «Modulante» es demasiado grande: «1"},
        {"below the smallest double", QStringLiteral("1e-400"),
         "El valor de «Modulante» es demasiado pequeño: «1e-400». Escriba 0 o un número mayor."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Finished run = amsim({"--export-csv", "bad.csv", "--mdl", row.text});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(row.message)))
            << run.err.left(200).toStdString();
        EXPECT_LT(run.err.size(), 200);
        EXPECT_FALSE(QFile::exists(path("bad.csv")));
    }
}

// Every regular file under the folder, hidden ones too, with its bytes.
std::map<QString, QByteArray> filesUnder(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files[file.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable";
    }
    return files;
}

// A run that fails, set up and made by shell scripts in the test's folder.
struct FailedRun {
    const char* name;
    bool needsRoot; // another user, an immutable file, a device node
    const char* setup;
    const char* run;
    int exitCode;
    const char* message; // a part of it; none for a program ended by a signal
};

void PrintTo(const FailedRun& row, std::ostream* out) {
    *out << row.name;
}

class FailedExport : public ExportTest, public testing::WithParamInterface<FailedRun> {};

// Whatever fails, every file there was is as it was, byte for byte, and no
// temporary file is left.
TEST_P(FailedExport, LeavesEveryFileAsItWas) {
    const FailedRun& row = GetParam();
    if (row.needsRoot && ::geteuid() != 0) {
        GTEST_SKIP() << "needs root: another user, an immutable file or a device node";
    }
    ASSERT_EQ(shell(row.setup).exitCode, 0);
    const std::map<QString, QByteArray> before = filesUnder(folder.path());
    const Finished run = shell(row.run);
    EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(row.message).isEmpty() ? !run.err.contains("No se pudo")
                                                         : run.err.contains(row.message))
        << run.err.toStdString();
    EXPECT_EQ(filesUnder(folder.path()), before);
}

const FailedRun kFailedRuns[] = {
    {"AnotherUsersFileInAStickyFolder", true,
     "chmod 755 .; mkdir nb sticky; echo data > nb/data.csv; chown -R nobody:nogroup nb; "
     "chmod 1777 sticky; echo shared > sticky/shared.png",
     R"(setpriv --reuid=nobody --regid=nogroup --clear-groups "$AMSIM" --export-csv nb/data.csv )"
     "--export sticky/shared.png",
     2, "«sticky/shared.png»: no hay permiso"},
    {"AnImmutablePicture", true, "echo data > data.csv; echo old > p.png; chattr +i p.png",
     R"("$AMSIM" --export-csv data.csv --export p.png; s=$?; chattr -i p.png; exit $s)", 2,
     "«p.png»: no hay permiso"},
    {"TheSamplesReaderGoesAway", false, "echo old > p.png",
     R"("$AMSIM" --export-csv /proc/self/fd/1 --export p.png | head -c 10 >/dev/null; )"
     "exit ${PIPESTATUS[0]}",
     2, "«/proc/self/fd/1»: quien lo leía dejó de hacerlo"},
    {"ThePicturesReaderGoesAway", false, "mkfifo f.png; echo old > a.csv",
     R"((exec 3<f.png; sleep 1) & "$AMSIM" --export f.png --scale 2 --export-csv a.csv)", 2,
     "«f.png»: quien lo leía dejó de hacerlo"},
    {"EndedWaitingForAReader", false, "mkfifo f; echo old > p.png",
     R"("$AMSIM" --export p.png --export-csv f & sleep 2; kill -TERM $!; wait $!)", 143, ""},
    // Job control keeps SIGINT and SIGQUIT from being ignored in the background.
    {"QuitWhileWaitingForAReader", false, "mkfifo f; echo old > p.png",
     R"(set -m; ulimit -c 0; "$AMSIM" --export p.png --export-csv f & )"
     R"(until head -c 4 p.png | grep -q PNG; do sleep 0.01; done; kill -QUIT $!; wait $!)",
     131, ""},
    {"User1WhileWaitingForAReader", false, "mkfifo f; echo old > p.png",
     R"("$AMSIM" --export p.png --export-csv f & )"
     R"(until head -c 4 p.png | grep -q PNG; do sleep 0.01; done; kill -USR1 $!; wait $!)",
     138, ""},
    {"AlarmWhileWaitingForAReader", false, "mkfifo f; echo old > p.png",
     R"("$AMSIM" --export p.png --export-csv f & )"
     R"(until head -c 4 p.png | grep -q PNG; do sleep 0.01; done; kill -ALRM $!; wait $!)",
     142, ""},
    {"AnotherUsersReadOnlyFileInAnOpenFolder", true,
     "chmod 777 .; echo old > r.csv; chmod 444 r.csv",
     R"(setpriv --reuid=nobody --regid=nogroup --clear-groups "$AMSIM" --export-csv r.csv)", 2,
     "«r.csv»: no hay permiso"},
    {"AFileWithTwoNames", false, "echo old > a.csv; ln a.csv b.csv",
     R"("$AMSIM" --export-csv a.csv)", 2,
     "«a.csv»: el archivo tiene otro nombre (un enlace duro), que seguiría con el contenido viejo"},
    // A block device of a number no disk has.
    {"ADiskIsNoFile", true, "mknod disk.csv b 0 0", R"("$AMSIM" --export-csv disk.csv)", 2,
     "«disk.csv»: es un disco, no un archivo"},
    {"AStreamGotTheSamplesBeforeTheDeviceWasFull", true, "mknod full.png c 1 7; mkfifo f",
     R"(cat f > got.csv & "$AMSIM" --export full.png --export-csv f; s=$?; wait; rm got.csv; )"
     "exit $s",
     2, "no queda espacio en el disco. «f» ya recibió las muestras"},
    {"ANameTooLong", false, "true", R"("$AMSIM" --export-csv "$(printf 'n%.0s' {1..300}).csv")", 2,
     "nombre de archivo demasiado largo"},
    {"ASocket", false,
     R"(perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => "s.csv", Listen => 1)')",
     R"("$AMSIM" --export-csv s.csv)", 2, "«s.csv»: no es un archivo ni un dispositivo"},
    {"AnIcon", false, "true", R"("$AMSIM" --export a.ico)", 2,
     "no cabe en un .ico, que no pasa de 256 × 256 píxeles. Use uno de estos formatos: .bmp"},
};

INSTANTIATE_TEST_SUITE_P(Trials, FailedExport, testing::ValuesIn(kFailedRuns),
                         [](const testing::TestParamInfo<FailedRun>& row) {
                             return std::string(row.param.name);
                         });

// A link is written through to its file, whether that exists yet or not.
TEST_F(SafeOutput, LinksAreWrittenThroughLiveOrDangling) {
    ASSERT_EQ(shell("ln -s live.csv a.csv; echo old > live.csv; ln -s new.csv b.csv").exitCode, 0);
    for (const char* link : {"a.csv", "b.csv"}) {
        SCOPED_TRACE(link);
        ASSERT_EQ(amsim({"--export-csv", link}).exitCode, 0);
        EXPECT_TRUE(QFileInfo(path(link)).isSymLink());
        QFile written(QFileInfo(path(link)).symLinkTarget());
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().startsWith(kHeader.toUtf8()));
    }
}

// A regular file is replaced whole, whatever the name it is reached by.
TEST_F(SafeOutput, ARegularFileIsReplacedWholeWhateverItsName) {
    ASSERT_EQ(amsim({"--export-csv", "fresh.csv"}).exitCode, 0);
    QFile big(path("big.csv"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(2000000, 'z'));
    big.close();
    const Finished run = amsim({"--export-csv", "/proc/self/cwd/big.csv"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile fresh(path("fresh.csv"));
    ASSERT_TRUE(big.open(QIODevice::ReadOnly) && fresh.open(QIODevice::ReadOnly));
    EXPECT_EQ(big.readAll(), fresh.readAll());
    EXPECT_EQ(filesWritten(), (QStringList{"big.csv", "fresh.csv"}));
}

// Names as long as a folder takes, new or over an old file; nothing hidden
// stays beside them.
TEST_F(SafeOutput, NamesUpToTheLongestWork) {
    for (const int length : {244, 255}) {
        for (const bool overOld : {false, true}) {
            SCOPED_TRACE(testing::Message() << length << (overOld ? " bytes, over" : " bytes"));
            const QString name = QString(length - 4, 'n') + ".csv";
            if (overOld) {
                QFile old(folder.filePath(name));
                ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            }
            const Finished run = amsim({"--export-csv", name});
            EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
            const std::map<QString, QByteArray> files = filesUnder(folder.path());
            ASSERT_EQ(files.size(), 1U);
            EXPECT_TRUE(files.begin()->second.startsWith(kHeader.toUtf8()));
            ASSERT_TRUE(QFile::remove(folder.filePath(name)));
        }
    }
}

// Root, who may keep them, keeps another user's file theirs, with its mode.
TEST_F(SafeOutput, AReplacedFileKeepsItsOwnerAndMode) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a file to another user needs root";
    }
    ASSERT_EQ(shell("chmod 1777 .; echo old > n.csv; chown nobody:nogroup n.csv; chmod 664 n.csv")
                  .exitCode,
              0);
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path("n.csv")).constData(), &before), 0);
    const Finished run = amsim({"--export-csv", "n.csv"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(path("n.csv")).constData(), &after), 0);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode & 07777U, 0664U);
    EXPECT_GT(after.st_size, 3);
}

// A message quotes a name in view and in bounds, whatever its bytes.
TEST_F(SafeOutput, MessagesQuoteANameVisiblyAndShort) {
    struct Row {
        const char* name;
        QString file; // as printf writes it
        QString quoted;
    };
    const Row rows[] = {
        {"control characters", R"(no/\033[2J\007a.csv)", QStringLiteral("«no/␛[2J␇a.csv»")},
        {"a long name, its beginning and its end", "no/" + QString(3000, 'x') + "y.csv",
         "«no/" + QString(27, 'x') + "…" + QString(35, 'x') + "y.csv»"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Finished run =
            shell(R"("$AMSIM" --export-csv "$(printf ')" + row.file + R"name(')")name");
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(row.quoted)) << run.err.toStdString();
        EXPECT_LT(run.err.size(), 250);
    }
}

TEST_F(SafeOutput, AnExportNeedsNoDisplayWhateverThePlatformSays) {
    const Finished run = amsim({"--export", "a.png"}, "C.UTF-8", {"QT_QPA_PLATFORM=xcb"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(path("a.png")));
}

} // namespace
} // namespace amsim
