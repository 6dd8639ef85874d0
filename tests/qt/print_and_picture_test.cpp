// The printable page's private folder and the board picture against the real file system,
// and the print selection window offscreen.
#include "app/main_form.hpp"
#include "app/qt/main_window.hpp"
#include "platform/qt/qt_platform.hpp"
#include "print/print_select_window.hpp"
#include "print/qt/print_select_dialog.hpp"
#include "support/fake_platform.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace kestrel {
namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t modeOf(const QString &path)
{
    struct stat status
    {
    };
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
    return status.st_mode & 07777;
}

const std::vector<std::string> kPage{"<html>", "</body></html>"};

TEST(PrivatePrintFolder, IsOwnerOnlyAndTheWriteIsWhole)
{
    QTemporaryDir base;
    QtTextFiles files(base.path().toStdString());
    const std::optional<std::string> path = files.writePrivateLines("print_temp.htm", kPage);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(qs(*path), base.path() + "/sudokuKestrel/print_temp.htm");
    EXPECT_EQ(modeOf(base.path() + "/sudokuKestrel"), 0700u);
    EXPECT_EQ(readBytes(qs(*path)), QByteArray("<html>\r\n</body></html>\r\n"));
    // Nothing but the page is left in the folder.
    EXPECT_EQ(QDir(base.path() + "/sudokuKestrel").entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(PrivatePrintFolder, APlantedLinkIsReplacedNotFollowed)
{
    QTemporaryDir base;
    QtTextFiles files(base.path().toStdString());
    ASSERT_TRUE(files.privateDirectory().has_value());
    const QString victim = base.path() + "/players_file.txt";
    {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    const QString page = base.path() + "/sudokuKestrel/print_temp.htm";
    ASSERT_TRUE(QFile::link(victim, page));
    ASSERT_TRUE(files.writePrivateLines("print_temp.htm", kPage).has_value());
    EXPECT_EQ(readBytes(victim), QByteArray("keep me"));
    EXPECT_FALSE(QFileInfo(page).isSymLink());
    EXPECT_EQ(readBytes(page), QByteArray("<html>\r\n</body></html>\r\n"));
}

TEST(PrivatePrintFolder, AFolderThatIsALinkIsRefusedAndAnOpenOneIsClosed)
{
    QTemporaryDir base, elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), base.path() + "/sudokuKestrel"));
    QtTextFiles linked(base.path().toStdString());
    EXPECT_FALSE(linked.writePrivateLines("print_temp.htm", kPage).has_value());
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());

    QTemporaryDir other;
    const QString folder = other.path() + "/sudokuKestrel";
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    QtTextFiles open(other.path().toStdString());
    EXPECT_TRUE(open.writePrivateLines("print_temp.htm", kPage).has_value());
    EXPECT_EQ(modeOf(folder), 0700u);
}

class BoardPictureTest : public testing::Test
{
protected:
    BoardPictureTest()
    {
        form.FormCreate();
        form.applyBoardAppearance();
        form.newGame(Level::Gentle);
        window = std::make_unique<MainWindow>(form, fake);
        window->show();
        host.setBoardFrame(window->boardFrame());
    }
    QImage grabbed() const { return window->boardFrame()->grab().toImage(); }

    FakePlatform fake;
    TForm1 form{fake.platform()};
    std::unique_ptr<MainWindow> window;
    QtWindowHost host;
    QTemporaryDir folder;
};

TEST_F(BoardPictureTest, JpegAndBitmapHaveTheFrameSizeAndItsPixels)
{
    const QSize frame = window->boardFrame()->size();
    EXPECT_EQ(frame, QSize(466, 462));
    const std::unique_ptr<Picture> picture = host.grabBoardFrame();
    ASSERT_NE(picture, nullptr);
    const QString jpeg = folder.path() + "/board.JPG";
    const QString bmp = folder.path() + "/board.bmp";
    ASSERT_TRUE(picture->save(jpeg.toStdString(), PictureFormat::Jpeg));
    ASSERT_TRUE(picture->save(bmp.toStdString(), PictureFormat::Bmp));

    EXPECT_EQ(QImageReader(jpeg).format(), "jpeg");
    EXPECT_EQ(QImageReader(bmp).format(), "bmp");
    EXPECT_TRUE(readBytes(bmp).startsWith("BM"));
    const QImage shown = grabbed().scaled(frame).convertToFormat(QImage::Format_RGB32);
    const QImage fromBmp = QImage(bmp).convertToFormat(QImage::Format_RGB32);
    const QImage fromJpeg = QImage(jpeg).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(fromBmp.size(), frame);
    EXPECT_EQ(fromJpeg.size(), frame);
    EXPECT_EQ(fromBmp, shown);
    // JPEG is lossy: the mean difference per channel stays small.
    long long difference = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb a = fromJpeg.pixel(x, y), b = shown.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                + std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(static_cast<double>(difference) / (frame.width() * frame.height() * 3), 6.0);
}

TEST_F(BoardPictureTest, AFailedWriteLeavesNoFile)
{
    const std::unique_ptr<Picture> picture = host.grabBoardFrame();
    ASSERT_NE(picture, nullptr);
    const QString missing = folder.path() + "/no/such/folder/board.jpg";
    EXPECT_FALSE(picture->save(missing.toStdString(), PictureFormat::Jpeg));
    EXPECT_FALSE(QFileInfo::exists(missing));
    QtWindowHost withoutFrame;
    EXPECT_EQ(withoutFrame.grabBoardFrame(), nullptr);
}

TEST(PrintSelectDialog, ShowsItsChoicesAndWritesThemBack)
{
    FakePlatform fake;
    TForm1 form{fake.platform()};
    form.FormCreate();
    form.loadLanguage(Language::English);
    Tfrmprintselect &logic = form.frmprintselect();
    PrintSelectDialog dialog(logic);
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(381, 202));
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(kApplicationTitle.data()));
    QList<QRadioButton *> radios = dialog.findChildren<QRadioButton *>();
    ASSERT_EQ(radios.size(), 5);
    EXPECT_TRUE(radios[0]->isChecked());
    radios[1]->click(); // With Candidates
    radios[4]->click(); // Big (A2)
    EXPECT_EQ(logic.style, PrintStyle::WithCandidates);
    EXPECT_EQ(logic.paper, PaperSize::A2);

    QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    EXPECT_TRUE(dialog.grab().save(QStringLiteral(KESTREL_SCREENSHOT_DIR "/print_select.png")));

    // OK prints and closes.
    QList<QToolButton *> buttons = dialog.findChildren<QToolButton *>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->text(), "OK");
    buttons[0]->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fake.shellOpens().size(), 1u);
    // Opened again, it shows the choices kept.
    PrintSelectDialog again(logic);
    again.show();
    QList<QRadioButton *> shown = again.findChildren<QRadioButton *>();
    EXPECT_TRUE(shown[1]->isChecked());
    EXPECT_TRUE(shown[4]->isChecked());
}

} // namespace
} // namespace kestrel
