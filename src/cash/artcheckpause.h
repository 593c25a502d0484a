#pragma once

class DM1;

// Turns the voucher-type checks on cash entries off while the program books or reads entries
// itself, and on again when it is done, however it ends.
class ArtcheckPause {
public:
    explicit ArtcheckPause(DM1& dm);
    ~ArtcheckPause();
    ArtcheckPause(const ArtcheckPause&) = delete;
    ArtcheckPause& operator=(const ArtcheckPause&) = delete;

private:
    DM1& m_dm;
};
