#pragma once

// Which declarations the options remove or rewrite, so that the reader's own settings win.

#include "DeclarationScan.h"
#include "FixOptions.h"

// The declarations the options remove from a stylesheet, so that the
// reader's own settings win:
// - FontSizes: every font-size; with RelativeSizes only those whose value
//   holds an absolute length (px, pt, pc, cm, mm, in, Q);
// - LineHeights: every line-height;
// - PageMargins: margin, margin-*, padding and padding-* in @page rules
//   and in the rules of the page body (see RuleKind::PageBody);
// - FontFamilies: every font-family whose value does not name the generic
//   family monospace (or ui-monospace), except in @font-face rules;
// - TextColors: every color and background-color, and every background
//   whose value holds no picture (url(), image-set()) and no var().
// A font shorthand that sets what they remove becomes the longhands it
// sets that stay. Between rules, where CSS reads no declaration, only font
// sizes are removed, as they always were.
class RemovedDeclarations : public DeclarationChoice {
public:
    explicit RemovedDeclarations(const FixOptions& options);

    // Whether the options edit any declaration at all.
    bool Any() const;

    bool Considers(std::string_view name, RuleKind rule) const override;
    DeclarationEdit Edit(std::string_view name, std::string_view value, std::string& rewritten) const override;

private:
    // Whether a font-size, line-height or font-family of this value goes.
    bool RemovesFontLonghand(std::string_view name, std::string_view value) const;
    DeclarationEdit EditFontShorthand(std::string_view value, std::string& rewritten) const;

    FixOptions options_;
};
