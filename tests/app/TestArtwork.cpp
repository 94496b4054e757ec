#include "gui/common/PictureView.h"
#include "support/Session.h"

#include <QBuffer>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include <archive.h>
#include <archive_entry.h>

namespace {
QByteArray png(Qt::GlobalColor colour) {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A zip pack of one picture.
QByteArray zipOf(const QByteArray& name, const QByteArray& data) {
    QByteArray pack(64 << 10, '\0');
    size_t used = 0;
    archive* writer = archive_write_new();
    archive_write_set_format_zip(writer);
    archive_write_open_memory(writer, pack.data(), size_t(pack.size()), &used);
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, name.constData());
    archive_entry_set_size(entry, data.size());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_write_header(writer, entry);
    archive_write_data(writer, data.constData(), size_t(data.size()));
    archive_entry_free(entry);
    archive_write_close(writer);
    archive_write_free(writer);
    return pack.left(qsizetype(used));
}
} // namespace

// The picture beside the list shows one kind at a time, from folders and packs beside the
// snapshots directory, chosen with Ctrl+1 ... Ctrl+7 and kept.
class TestArtwork : public QObject {
    Q_OBJECT
    std::unique_ptr<Session> m_session;
    Session& s() { return *m_session; }
    QColor shown() {
        return s()
            .child<gui::PictureView>("screenShot")
            ->grab()
            .toImage()
            .pixelColor(s().child<gui::PictureView>("screenShot")->rect().center());
    }
    void press(int key) { QTest::keyClick(s().list("allList"), Qt::Key(key), Qt::ControlModifier); }

private slots:
    void init() { m_session = std::make_unique<Session>(); }
    void cleanup() { m_session.reset(); }

    void showsEachKind() {
        const QString art = s().sandbox.mamePath(); // the folder that holds the snapshots directory
        QDir().mkpath(art + "titles");
        writeFile(art + "titles/galx.png", png(Qt::red));
        writeFile(art + "flyers.zip", zipOf("flyers/galx.png", png(Qt::blue)));
        writeFile(art + "cabinets.zip", zipOf("galx.png", "a damaged picture"));
        QVERIFY(s().startWith("RetroP", "GameView=All Games\r\nScreenShots=False"));
        QVERIFY(QTest::qWaitForWindowActive(s().window.get()));
        s().select("galx");
        auto* notice = s().child<QLabel>("noScreenShotLabel");

        press(Qt::Key_2); // the picture comes on with its kind
        QVERIFY(s().child<QAction>("screenShotsAction")->isChecked());
        QTRY_COMPARE(shown(), QColor(Qt::red));
        press(Qt::Key_3);
        QTRY_COMPARE(shown(), QColor(Qt::blue)); // once the pack is indexed
        QVERIFY(!notice->isVisible());
        press(Qt::Key_5);
        QTRY_VERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("THERE IS NO CABINET FOR THIS GAME"));
        press(Qt::Key_4);
        QCOMPARE(notice->text(), QStringLiteral("THERE IS NO MARQUEE FOR THIS GAME"));
        s().select("galxb"); // a clone shows its own
        press(Qt::Key_2);
        QCOMPARE(notice->text(), QStringLiteral("THERE IS NO TITLE FOR THIS GAME"));

        // A pack replaced while Marqueon runs is read again.
        s().select("galx");
        press(Qt::Key_3);
        QTRY_COMPARE(shown(), QColor(Qt::blue));
        writeFile(art + "flyers.zip", zipOf("galx.png", png(Qt::green) + QByteArray(100, '\0')));
        QFile(art + "flyers.zip")
            .setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
        s().select("zoom");
        s().select("galx");
        QTRY_COMPARE(shown(), QColor(Qt::green));

        QVERIFY(s().exit());
        QVERIFY(readFile(s().sandbox.optionsFile()).contains("\r\nPicture=flyers\r\n"));
        QVERIFY(s().start());
        QVERIFY(s().child<QAction>("pictureFlyerAction")->isChecked());
        press(Qt::Key_1);
        QVERIFY(s().exit());
        QVERIFY(!readFile(s().sandbox.optionsFile()).contains("Picture="));
    }
};

QTEST_MAIN(TestArtwork)
#include "TestArtwork.moc"
