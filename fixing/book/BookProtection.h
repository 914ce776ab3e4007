#pragma once

// Whether a book is protected, read from its META-INF/encryption.xml.

#include <optional>
#include <string>

// Whether a book is protected: why it must be left exactly as it is, read
// from its META-INF/encryption.xml. A resource is encrypted when an
// EncryptedData names it (CipherReference URI, relative to the book's top
// folder) with any method but font obfuscation; a book with an encrypted
// resource, or whose encryption.xml is not well-formed, is protected.
// Obfuscated fonts are no protection, unless the fix would write over one:
// an obfuscated stylesheet or package document, or, when fontsCopied, an
// obfuscated font of a name the fix copies into the top folder. Reading
// systems would "de-obfuscate" what the fix wrote there into garbage.
//
// The reason reads "protected: META-INF/encryption.xml encrypts
// OEBPS/Styles/style.css"; nullopt when the book may be fixed.
std::optional<std::string> ProtectionOf(const std::string& unpackedFolder, bool fontsCopied);

// The same for a packed book: its META-INF/encryption.xml alone is
// unpacked, into a scratch folder of its own. A book that cannot be read
// is not called protected here; fixing it says what is wrong.
std::optional<std::string> PackedBookProtection(const std::string& book, bool fontsCopied);

// The entry that says so.
inline constexpr char EncryptionEntry[] = "META-INF/encryption.xml";
