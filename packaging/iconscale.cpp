// SPDX-License-Identifier: MIT

// Build-time tool that turns the 32 x 32 program picture into the PNG icons
// a desktop theme wants. Larger sizes repeat each pixel (nearest neighbour)
// so the pixel art stays sharp instead of being smoothed into a blur.
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PICTURE OUTPUT.png SIZE\n", argv[0]);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const int size = std::atoi(argv[3]);
    // Only whole multiples keep every source pixel the same square.
    if (size <= 0 || size % picture.width() != 0 || size % picture.height() != 0) {
        std::fprintf(stderr, "%s: %d is not a whole multiple of the picture's size\n", argv[0], size);
        return 2;
    }
    const QImage icon = picture.convertToFormat(QImage::Format_ARGB32)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
