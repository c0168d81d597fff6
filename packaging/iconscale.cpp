// SPDX-License-Identifier: MIT

// Build-time tool that turns the program picture, as drawn for a few sizes,
// into icons: a PNG of one size for a desktop theme, or a Windows .ico
// holding several sizes.
//
//   angulon_iconscale PICTURES OUTPUT.png SIZE
//   angulon_iconscale PICTURES OUTPUT.ico SIZE...
//   angulon_iconscale --check PICTURES ICON.ico SIZE...
//
// PICTURES names the drawings, separated by commas, each a square of its own
// size. A size takes the largest drawing whose side divides it: the one drawn
// at that size as it is, else one enlarged by repeating each pixel, so the
// pixel art stays sharp; a size that is neither is refused rather than
// smoothed into a blur. With --check the tool writes nothing and tells
// whether an existing .ico still holds what it would write, which keeps the
// committed Windows icon in step with the drawings.
#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QMap>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An .ico is a 6-byte header, a 16-byte entry per image and the images.
// Every image is stored as a PNG, which Windows reads since Vista.
QByteArray ico(const QList<QImage> &icons)
{
    QList<QByteArray> images;
    for (const QImage &icon : icons)
        images.append(png(icon));

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(icons.size());
    quint32 offset = 6 + 16 * icons.size();
    for (qsizetype i = 0; i < icons.size(); ++i) {
        // Width and height take a byte each, so 256 is written as 0.
        const auto side = quint8(icons[i].width() % 256);
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(images[i].size())
            << quint32(offset);
        offset += images[i].size();
    }
    for (const QByteArray &image : images)
        out.writeRawData(image.constData(), int(image.size()));
    return bytes;
}

// Reads the file with Qt's own .ico reader rather than taking it apart here,
// so a fault in ico() shows up instead of being read back the same way.
QStringList differences(const QString &file, const QList<QImage> &icons)
{
    QImageReader reader(file, "ico");
    QMap<int, QImage> stored;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        const QImage image = reader.read();
        stored.insert(image.width(), image.convertToFormat(QImage::Format_ARGB32));
    }
    if (stored.isEmpty())
        return {QStringLiteral("it holds no image Qt can read (%1)").arg(reader.errorString())};
    QStringList found;
    for (const QImage &icon : icons) {
        const QImage image = stored.take(icon.width());
        if (image.isNull())
            found += QStringLiteral("no %1 x %1 image").arg(icon.width());
        else if (image != icon)
            found += QStringLiteral("the %1 x %1 image differs").arg(icon.width());
    }
    for (const QImage &image : std::as_const(stored))
        found += QStringLiteral("a %1 x %2 image too many").arg(image.width()).arg(image.height());
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    const char *program = argv[0];
    const bool check = argc > 1 && QByteArray(argv[1]) == "--check";
    const int first = check ? 2 : 1;
    if (argc - first < 3) {
        std::fprintf(stderr,
                     "usage: %s PICTURES OUTPUT.png SIZE\n"
                     "       %s PICTURES OUTPUT.ico SIZE...\n"
                     "       %s --check PICTURES ICON.ico SIZE...\n"
                     "PICTURES: drawings of the picture at their sizes, separated by commas\n",
                     program, program, program);
        return 2;
    }
    const QString pictureFiles = QString::fromLocal8Bit(argv[first]);
    const QString output = QString::fromLocal8Bit(argv[first + 1]);
    const bool icoOutput = output.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive);
    const int sizeCount = argc - first - 2;
    if ((check && !icoOutput) || (!icoOutput && sizeCount != 1)) {
        std::fprintf(stderr, "%s: only an .ico holds more than one size or can be checked\n", program);
        return 2;
    }
    QList<QImage> pictures;
    for (const QString &name : pictureFiles.split(QLatin1Char(','))) {
        pictures.append(QImage(name).convertToFormat(QImage::Format_ARGB32));
        if (pictures.last().isNull() || pictures.last().width() != pictures.last().height()) {
            std::fprintf(stderr, "%s: cannot read %s as a square picture\n", program, qPrintable(name));
            return 1;
        }
    }
    QList<QImage> icons;
    for (int i = first + 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        // Only whole multiples keep every pixel of the drawing the same
        // square; the largest drawing keeps the most detail.
        const QImage *picture = nullptr;
        for (const QImage &drawn : pictures) {
            if (size > 0 && size % drawn.width() == 0 && (!picture || drawn.width() > picture->width()))
                picture = &drawn;
        }
        if (!picture) {
            std::fprintf(stderr, "%s: %s is not a whole multiple of a picture's size\n", program, argv[i]);
            return 2;
        }
        if (icoOutput && size > 256) {
            std::fprintf(stderr, "%s: an .ico holds images of at most 256 x 256, not %d\n", program, size);
            return 2;
        }
        icons.append(picture->scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }

    if (check) {
        const QStringList found = differences(output, icons);
        if (found.isEmpty())
            return 0;
        std::fprintf(stderr, "%s: %s does not hold what %s makes now: %s.\nWrite it anew with:\n   ", program,
                     argv[first + 1], qPrintable(pictureFiles), qPrintable(found.join(QLatin1String("; "))));
        for (int i = 0; i < argc; ++i) {
            if (i != 1)
                std::fprintf(stderr, " %s", argv[i]);
        }
        std::fprintf(stderr, "\n");
        return 1;
    }
    QFile file(output);
    const bool written =
        file.open(QIODevice::WriteOnly) && (icoOutput ? file.write(ico(icons)) >= 0 : icons.first().save(&file, "PNG"));
    if (!written || !file.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", program, argv[first + 1]);
        return 1;
    }
    return 0;
}
