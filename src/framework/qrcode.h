#pragma once

#include <QBitArray>
#include <QByteArray>

// A quick-response code as a square of dark and light modules, encoded by libqrencode in
// byte mode with error correction level M and the smallest version that holds the data.
class QrCode {
public:
    // A null code when the data is empty or too long for any version.
    static QrCode encode(const QByteArray& data);

    bool isNull() const { return m_size == 0; }
    // Modules per side, without the quiet zone.
    int size() const { return m_size; }
    // Row by row, top to bottom.
    const QBitArray& modules() const { return m_dark; }

private:
    int m_size = 0;
    QBitArray m_dark;
};
