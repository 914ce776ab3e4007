#pragma once

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
//   family monospace, except in @font-face rules.
class RemovedDeclarations : public DeclarationChoice {
public:
    explicit RemovedDeclarations(const FixOptions& options);

    // Whether the options remove any declaration at all.
    bool Any() const;

    bool FontSizesAnywhere() const override;
    bool Considers(std::string_view name, RuleKind rule) const override;
    bool Removes(std::string_view name, std::string_view value) const override;

private:
    FixOptions options_;
};
