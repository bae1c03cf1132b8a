// A GoogleTest fixture for the survey and the check: each case starts from the
// state of a fresh run, under French short dates, with a temporary folder.
#pragma once

#include "dates/ReglagesDate.h"
#include "depart/Depart.h"
#include "depart/OutilsExport.h"

#include <gtest/gtest.h>

class EtatPropre : public ::testing::Test {
protected:
    EtatPropre() {
        ReinitialiseDepart();
        reglagesAvant_ = ReglagesDate;
        ReglagesDate.FormatDateCourt = Texte("dd/MM/yyyy");
        ReglagesDate.SeparateurDate = '/';
    }
    ~EtatPropre() override {
        ReinitialiseDepart();
        ReglagesDate = reglagesAvant_;
    }

    DossierTemporaire dossier_;

private:
    TReglagesDate reglagesAvant_;
};
