#pragma once
// What the capture actions share while the program runs: the save options of the three
// image kinds, the icon geometry and the last name typed at a name prompt.

#include "capture/autocopy.h"
#include "capture/extractgeometry.h"
#include "capture/saveoptions.h"

#include <QString>
#include <array>

struct CaptureState {
    std::array<capture::KindOptions, 3> kinds;
    capture::KindOptions &kind(capture::ImageKind k) { return kinds[size_t(k)]; }
    const capture::KindOptions &kind(capture::ImageKind k) const { return kinds[size_t(k)]; }

    // The full-screen flag keeps the text it was loaded with until the user picks an
    // icon position; exactly "True" means the full-screen geometry.
    QString fullScreenFlag = QStringLiteral("False");
    bool fullScreen() const { return fullScreenFlag == QLatin1String("True"); }
    capture::IconOffsets offsets;

    QString strLastName;

    // The options every save shares.
    capture::AutocopyKind autocopy = capture::AutocopyKind::Name;
    bool wikiNames = false;   // names are checked against the wiki's rules before a save
    bool smallestPng = false; // PNG files in their smallest lossless form
    bool uploadAfterSave = false; // every picture written goes up to the wiki (names checked first)
};
