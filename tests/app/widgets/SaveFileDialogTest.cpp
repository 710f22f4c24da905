#include "WindowFixture.h"

#include "app/plots/PlotsWindow.h"
#include "app/widgets/SaveFileDialog.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSorvane.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <deque>

namespace {

// The save dialogs answered by the test: what each suggested, and the
// names "typed" in turn.
class SaveDialogs : public WindowFixture {
protected:
    SaveDialogs()
        : previous(setSaveDialog([this](QWidget*, const SaveFileKind& kind, const QString& suggested) {
            asked.push_back({kind.extension, suggested});
            if (answers.empty())
                return QString();
            const QString answer = answers.front();
            answers.pop_front();
            return answer;
        }))
    {
        form = windowRemembering(settings);
    }
    ~SaveDialogs() override { setSaveDialog(previous); }

    struct Asked {
        QString extension;
        QString suggested;
    };

    QString folder(const char* name) const
    {
        QDir(dir.path()).mkpath(name);
        return dir.filePath(name);
    }

    void recordFromTheSystemMenu() { form->frame()->SystemMenuTail->Find("RecordTelemetry")->Click(); }
    void clickPlotsButton(PlotsWindow& plots, const char* name) { click(plots.findChild<QWidget*>(name)); }

    QTemporaryDir dir;
    QSettings settings{dir.filePath("fctool.ini"), QSettings::IniFormat};
    std::vector<Asked> asked;
    std::deque<QString> answers;
    SaveDialog previous;
};

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

// A dated name in the documents folder at first, then in the folder last
// used for recordings; a name typed without the extension gets it.
TEST_F(SaveDialogs, RecordTelemetrySuggestsADatedNameWhereTheLastRecordingWent)
{
    answers = {folder("flights") + "/first"};
    recordFromTheSystemMenu();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].extension, "fcrec");
    EXPECT_EQ(QFileInfo(asked[0].suggested).absolutePath(), documentsFolder());
    EXPECT_TRUE(QRegularExpression("^flight-\\d{4}-\\d{2}-\\d{2}-\\d{4}\\.fcrec$")
                    .match(QFileInfo(asked[0].suggested).fileName())
                    .hasMatch())
        << asked[0].suggested.toStdString();
    ASSERT_TRUE(form->recording());
    EXPECT_TRUE(QFileInfo::exists(folder("flights") + "/first.fcrec"));
    EXPECT_FALSE(QFileInfo::exists(folder("flights") + "/first"));
    form->stopRecording();

    // A later start of the tool remembers the folder.
    form = windowRemembering(settings);
    recordFromTheSystemMenu();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(QFileInfo(asked[1].suggested).absolutePath(), folder("flights"));
    EXPECT_FALSE(form->recording()) << "cancelled";
}

// Pictures and values remember their folders apart from each other and
// from recordings.
TEST_F(SaveDialogs, ThePlotsPictureAndValuesKeepFoldersOfTheirOwn)
{
    PlotsWindow* plots = form->showPlots();
    answers = {folder("pictures") + "/climb", folder("tables") + "/climb.CSV"};
    clickPlotsButton(*plots, "pngButton");
    clickPlotsButton(*plots, "csvButton");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].extension, "png");
    EXPECT_TRUE(QFileInfo(asked[0].suggested).fileName().startsWith("plots-"));
    EXPECT_TRUE(asked[0].suggested.endsWith(".png"));
    EXPECT_TRUE(asked[1].suggested.endsWith(".csv"));
    EXPECT_TRUE(QFileInfo::exists(folder("pictures") + "/climb.png"));
    EXPECT_TRUE(QFileInfo::exists(folder("tables") + "/climb.CSV")) << "its own extension, in capitals, kept";

    clickPlotsButton(*plots, "pngButton");
    clickPlotsButton(*plots, "csvButton");
    recordFromTheSystemMenu();
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(QFileInfo(asked[2].suggested).absolutePath(), folder("pictures"));
    EXPECT_EQ(QFileInfo(asked[3].suggested).absolutePath(), folder("tables"));
    EXPECT_EQ(QFileInfo(asked[4].suggested).absolutePath(), documentsFolder());
}

// A name with another extension gets the type's too; when that file
// exists, the dialog asks again with the whole name, so replacing it is
// confirmed there.
TEST_F(SaveDialogs, AFileTheAddedExtensionWouldReplaceIsAskedAboutAgain)
{
    PlotsWindow* plots = form->showPlots();
    const QString taken = folder("tables") + "/notes.txt.csv";
    QFile(taken).open(QIODevice::WriteOnly);
    answers = {folder("tables") + "/notes.txt", taken};
    clickPlotsButton(*plots, "csvButton");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].suggested, taken);
    EXPECT_GT(QFileInfo(taken).size(), 0) << "replaced once confirmed";
    EXPECT_FALSE(QFileInfo::exists(folder("tables") + "/notes.txt"));
}
