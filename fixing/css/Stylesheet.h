#pragma once

// The rewrite of one stylesheet: declarations removed, the faces and the justified paragraphs appended.

#include "FixOptions.h"

#include <cstddef>
#include <string>

// Rewrites one stylesheet in place as options say: the declarations they
// name removed (see RemovedDeclarations), the Liberation faces and a body
// rule appended, a justifying paragraph rule appended. fontFolder is put
// in front of each font's file name, as for AlterContentOpf.
//
// A rule block the stylesheet already holds exactly as this fix writes it
// is neither appended again nor edited by a removal, so that fixing a
// fixed book changes nothing. A stylesheet whose text no edit changed is
// left as it was, not rewritten, and none is read when no option edits
// stylesheets. A UTF-16 stylesheet is edited and written back in UTF-16,
// one in an encoding such as Shift_JIS by its characters (see
// DecodeStylesheet); one that no encoding can be edited in safely is left
// as it was.
struct StylesheetEdit {
    bool rewritten = false;
    std::size_t declarationsEdited = 0;  // removed or rewritten, where it was rewritten
    // Where not empty, the stylesheet was left as it was because it is in
    // this encoding (as its @charset names it) and cannot be edited
    // exactly: its book is not to be fixed.
    std::string uneditable;
};
StylesheetEdit StripCSSFonts(const std::string& sFileName, const std::string& fontFolder, const FixOptions& options);
