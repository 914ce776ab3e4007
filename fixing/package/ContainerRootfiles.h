#pragma once

// The package documents a book's container names.

#include <set>
#include <string>

// The package documents a book's META-INF/container.xml names: the
// full-path of every rootfile whose media-type is
// "application/oebps-package+xml", relative to the book's top folder and
// with "/" between its parts. A container that is missing, unreadable or
// not well-formed names none; a path that is absolute, empty or climbs out
// of the book with ".." is passed over. topFolder ends in the separator.
std::set<std::string> ContainerRootfiles(const std::string& topFolder);

// The container's own entry name.
inline constexpr char ContainerEntry[] = "META-INF/container.xml";
