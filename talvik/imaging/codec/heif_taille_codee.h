// The picture size that the coded stream of a HEIF or AVIF item declares
// (the HEVC sequence parameter set in "hvcC", the AV1 sequence header in
// "av1C"). The decoders allocate their frames from it, not from the
// "ispe" box libheif checks, so a file whose boxes disagree could make
// them ask for gigabytes; these readers let the loader refuse it first.
#pragma once

#include <cstddef>
#include <cstdint>

namespace talvik::heif {

// The size in the sequence parameter set among the NAL arrays of an hvcC
// box body; false when there is none or it cannot be read.
bool TailleHvcC(const std::uint8_t* corps, std::size_t taille, std::int64_t* largeur,
                std::int64_t* hauteur);

// The largest frame size in the sequence header among the OBUs of an
// av1C box body; false when there is none or it cannot be read.
bool TailleAv1C(const std::uint8_t* corps, std::size_t taille, std::int64_t* largeur,
                std::int64_t* hauteur);

// The frame size in the sequence header among a run of AV1 OBUs (an
// av1C box's, or the start of an AV1 item's data).
bool TailleObus(const std::uint8_t* obus, std::size_t taille, std::int64_t* largeur,
                std::int64_t* hauteur);

// True when no hvcC or av1C box among the item properties of the file
// (given whole), and no sequence header at the start of an AV1 item's
// data, declares more than `maxPixels` pixels or a side over
// `coteMax`. A coded size that cannot be read is left to the decoder.
bool TaillesCodeesAdmises(const std::uint8_t* fichier, std::size_t taille,
                          std::int64_t maxPixels, std::int64_t coteMax);

}  // namespace talvik::heif
