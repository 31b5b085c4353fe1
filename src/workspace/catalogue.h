#pragma once

#include <span>
#include <string_view>

// The translations localized() looks texts up in. Each catalogue is a table
// generated from a .po file under po/ (cmake/LorvexCatalogue.cmake), sorted
// by context and then by Portuguese text, bytewise.
namespace lorvex {

struct CatalogueEntry {
    std::string_view context;
    std::string_view portuguese;
    std::string_view english;
};

struct Catalogue {
    std::span<const CatalogueEntry> entries;
    Catalogue* next = nullptr;
};

// Adds a catalogue to those localized() searches; called by the generated
// sources while the program starts. Returns true.
bool registerCatalogue(Catalogue& catalogue);

}  // namespace lorvex
