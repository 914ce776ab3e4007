// A book's pictures under FitPictures and GreyPictures: which ones the pipeline fits, and what it did.
#pragma once

#include "FixOptions.h"
#include "FixRecord.h"
#include "PictureFit.h"

#include <optional>
#include <string>
#include <vector>

// The rule the options ask for; nullopt when neither picture option is on.
std::optional<PictureRule> PictureRuleOf(const FixOptions& options);

// The entries of book, by name, that the rule may change: every JPEG and
// PNG, known by its first bytes, that is larger than the screen or in
// colour where grey is asked (or whose first bytes do not tell); never a
// name of which a part begins with a dot. Empty when the book's heads
// cannot be read.
std::vector<std::string> PicturesToFit(const std::string& book, const PictureRule& rule);

// The patterns of the names that most likely are pictures, for the
// pipeline to fit ahead; what the fix then names, alone, is taken.
std::vector<std::string> LikelyPictures();

// Fills record from what the pictures named became in archive, the new
// book written from book: those with other bytes are fitted; those the
// rule could not read, or that are too large, are noted by name.
void RecordPictures(const std::string& book, const std::string& archive, const std::vector<std::string>& names,
                    const PictureRule& rule, FixRecord& record);
