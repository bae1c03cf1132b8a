// A GoogleTest fixture for the survey and the check: each case starts from the
// state of a fresh run, under French regional settings with the clock in
// 2026, with a temporary folder.
#pragma once

#include "depart/Depart.h"
#include "depart/OutilsExport.h"
#include "support/ReglagesFrancais.h"

#include <gtest/gtest.h>

class EtatPropre : public ::testing::Test {
protected:
    EtatPropre() { ReinitialiseDepart(); }
    ~EtatPropre() override { ReinitialiseDepart(); }

    ReglagesFrancais reglages_{2026};
    DossierTemporaire dossier_;
};
