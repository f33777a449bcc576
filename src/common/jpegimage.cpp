#include "common/jpegimage.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

namespace lumidor {
namespace {

// Larger pictures than this are refused before any memory is taken for them:
// a damaged header may claim up to 65535 x 65535 pixels.
constexpr long long kMaxPixels = 8192LL * 8192LL;

// libjpeg reports a fatal error by calling error_exit, which must not return;
// ours jumps back to the decoder, which gives up on the picture.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

void leave(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void stayQuiet(j_common_ptr) {}

// Only plain C state lives in this frame between the setjmp and the last
// libjpeg call, so a jump back skips no destructor. The picture is written
// through `out`, which the caller owns.
bool decodeInto(jpeg_decompress_struct* info, ErrorManager* errors, const unsigned char* data,
                unsigned long size, QImage* out) {
    if (setjmp(errors->escape) != 0) {
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, data, size);
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    if (static_cast<long long>(info->image_width) * info->image_height > kMaxPixels) {
        return false;
    }
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    if (info->output_components != 3) {
        return false;
    }
    *out = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height),
                  QImage::Format_RGB888);
    if (out->isNull()) {
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    // Cut-short or damaged data is only a warning to libjpeg (it fills the
    // rest with grey); a picture with holes is no picture here.
    return errors->base.num_warnings == 0;
}

}  // namespace

QImage decodeJpeg(QByteArrayView bytes) {
    if (bytes.isEmpty()) {
        return {};
    }
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = leave;
    errors.base.output_message = stayQuiet;
    QImage image;
    const bool ok = decodeInto(&info, &errors, reinterpret_cast<const unsigned char*>(bytes.data()),
                               static_cast<unsigned long>(bytes.size()), &image);
    jpeg_destroy_decompress(&info);
    if (!ok) {
        return {};
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage loadJpegPicture(const QString& path, qreal devicePixelRatio) {
    const auto decodeFile = [](const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? decodeJpeg(f.readAll()) : QImage();
    };
    if (devicePixelRatio > 1.0) {
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        if (dot > 0) {
            QImage twice = decodeFile(path.left(dot) + QLatin1String("@2x") + path.mid(dot));
            if (!twice.isNull()) {
                twice.setDevicePixelRatio(2.0);
                return twice;
            }
        }
    }
    return decodeFile(path);
}

}  // namespace lumidor
