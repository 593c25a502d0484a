#include "framework/qrcode.h"

#include <qrencode.h>

#include <memory>

QrCode QrCode::encode(const QByteArray& data) {
    QrCode code;
    if (data.isEmpty())
        return code;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> encoded(
        QRcode_encodeData(int(data.size()),
                          reinterpret_cast<const unsigned char*>(data.constData()), 0,
                          QR_ECLEVEL_M),
        &QRcode_free);
    if (!encoded)
        return code;
    code.m_size = encoded->width;
    code.m_dark.resize(code.m_size * code.m_size);
    // The lowest bit of each byte is the module's colour; the others describe its role.
    for (int i = 0; i < code.m_size * code.m_size; ++i)
        code.m_dark.setBit(i, encoded->data[i] & 1);
    return code;
}
