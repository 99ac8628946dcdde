#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// Builds an ISO 9660 image with Joliet and Rock Ridge names from a folder,
// through the xorriso program. The image is written beside the target and
// renamed into place, so a failed run keeps an older image and an existing one
// is replaced, never appended to.
class IsoImageWriter {
public:
    // Called about ten times a second while xorriso writes, with the last
    // percentage it reported (0..100); false stops it.
    using Progress = std::function<bool(int percent)>;

    // ISO 9660 holds at most this many characters in a volume label.
    static constexpr int VolumeLabelLimit = 32;

    // The folder's own name, upper-cased, other characters than A-Z, 0-9 and
    // "_" replaced by "_", cut to the limit; "CDROM" when nothing is left.
    static QString DefaultVolumeLabel(const QString& folder);
    static bool XorrisoAvailable();

    // False when the progress callback stopped it: no image is then written and
    // an older one stays. Throws VyxError with xorriso's own words when it fails
    // or is missing.
    // Files named as in `leftOut` (leaf names, anywhere in the tree) stay off the disc.
    static bool Write(const QString& folder, const QString& imageFile, const QString& volumeLabel,
                      const Progress& progress = {}, const QStringList& leftOut = {});
};
