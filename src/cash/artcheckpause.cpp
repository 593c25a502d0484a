#include "cash/artcheckpause.h"

#include "data/dm1.h"

ArtcheckPause::ArtcheckPause(DM1& dm)
    : m_dm(dm) {
    m_dm.setArtcheck(false);
}

ArtcheckPause::~ArtcheckPause() {
    m_dm.setArtcheck(true);
}
