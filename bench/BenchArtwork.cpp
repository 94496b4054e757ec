// bench-artwork [pictures=40000] [reads=400]: times picture packs on a generated snap.zip of
// distinct noise PNGs (about 31 kB each, stored, so about 1.2 GB for 40,000): indexing the pack
// on the library's worker, then finding, reading and decoding random pictures one at a time.

#include "Measure.h"

#include "core/artwork/ArtworkLibrary.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdio>

namespace {

QString gameName(int i) {
    return QStringLiteral("g%1").arg(i, 5, 36, QLatin1Char('0'));
}

// A picture no other is like: noise, so that neither PNG nor the pack can shrink it.
QByteArray noisePng(QRandomGenerator& random) {
    QImage image(128, 80, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        random.fillRange(reinterpret_cast<quint32*>(image.scanLine(y)), image.bytesPerLine() / 4);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    return png.data();
}

bool writePack(const QString& path, int pictures) {
    QRandomGenerator random(1975);
    archive* writer = archive_write_new();
    archive_write_set_format_zip(writer);
    archive_write_set_options(writer, "zip:compression=store");
    bool written = archive_write_open_filename(writer, QFile::encodeName(path).constData()) == ARCHIVE_OK;
    for (int i = 0; written && i < pictures; ++i) {
        const QByteArray png = noisePng(random);
        const QByteArray name = (gameName(i) + QStringLiteral(".png")).toLatin1();
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, png.size());
        written = archive_write_header(writer, entry) == ARCHIVE_OK &&
                  archive_write_data(writer, png.constData(), size_t(png.size())) == png.size();
        archive_entry_free(entry);
    }
    written = archive_write_close(writer) == ARCHIVE_OK && written;
    archive_write_free(writer);
    return written;
}

double percentile(QList<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values[qMin(values.size() - 1, qsizetype(share * double(values.size())))];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int pictures = bench::intArgument(1, 40000), reads = bench::intArgument(2, 400);
    QTemporaryDir folder;
    const QString pack = folder.filePath(QStringLiteral("snap.zip"));
    QElapsedTimer timer;
    timer.start();
    if (pictures <= 0 || reads <= 0 || !writePack(pack, pictures)) {
        std::fprintf(stderr, "bench-artwork: cannot write %s\n", qPrintable(pack));
        return 2;
    }
    std::printf("pack: %d pictures, %.0f MB, written in %.1f s\n", pictures, double(QFileInfo(pack).size()) / 1048576.0,
                double(timer.elapsed()) / 1000.0);

    const double residentBefore = bench::processMemoryMb("VmRSS").value_or(-1);
    artwork::ArtworkLibrary library;
    library.setPlaces({{folder.path()}, {}});
    QEventLoop loop;
    QObject::connect(&library, &artwork::ArtworkLibrary::ready, &loop, &QEventLoop::quit);
    timer.restart();
    library.prepare(artwork::ArtKind::ScreenShot);
    loop.exec();
    std::printf("index: built in %.1f ms on the worker (the pack in the page cache); VmRSS %.1f MB -> %.1f MB\n",
                double(timer.nsecsElapsed()) / 1e6, residentBefore, bench::processMemoryMb("VmRSS").value_or(-1));

    QRandomGenerator random(42);
    int failures = 0;
    const QList<double> times = bench::timeRuns(reads, [&](int) {
        const QString game = gameName(int(random.bounded(pictures)));
        const auto source = library.find(artwork::ArtKind::ScreenShot, game);
        const auto bytes = source ? artwork::ArtworkLibrary::load(*source, 8 * 1024 * 1024) : std::nullopt;
        QImage image;
        if (!bytes || !image.loadFromData(*bytes, "PNG") || image.width() != 128)
            ++failures;
    });
    const double median = bench::median(times), slowest = *std::max_element(times.cbegin(), times.cend());
    std::printf("read and decode: median %.2f ms, 90th percentile %.2f ms, slowest %.2f ms over %d reads "
                "(goal < 30 ms) %s\n",
                median, percentile(times, 0.9), slowest, reads, median < 30 ? "met" : "MISSED");
    std::printf("memory: VmHWM %.1f MB peak, VmRSS %.1f MB now\n", bench::processMemoryMb("VmHWM").value_or(-1),
                bench::processMemoryMb("VmRSS").value_or(-1));
    if (failures > 0)
        std::printf("%d pictures could not be read or decoded\n", failures);
    return failures > 0 ? 1 : 0;
}
