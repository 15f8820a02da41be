#pragma once
// One localization system as the benchmark drives it: open a compiled
// catalogue of one language, look texts up, close it. Every system gets the
// same keys in the same orders.

#include <memory>
#include <ostream>
#include <string>

namespace tankora::peers {

class TranslationSystem
{
public:
    virtual ~TranslationSystem() = default;

    virtual std::string Name() const = 0;
    // The compiled catalogue of a language ("de", "ja"): its bytes are the floor.
    virtual std::string CataloguePath(const std::string& language) const = 0;
    // Opens and loads the catalogue afresh, never from a cache of an earlier
    // open (systems that cache by path are given a new path each time).
    virtual void Open(const std::string& language) = 0;
    // Looks the native text up; whether the catalogue translates it. The
    // answer is kept from the optimizer.
    virtual bool Lookup(const std::string& text) = 0;
    virtual void Close() = 0;
};

// The peers, over the catalogues the build compiled into folder.
std::unique_ptr<TranslationSystem> MakeGettextSystem(const std::string& folder);
std::unique_ptr<TranslationSystem> MakeQtSystem(const std::string& folder);
std::unique_ptr<TranslationSystem> MakeIcuSystem(const std::string& folder);
// Tankora's binary dictionary over peers-8bit.mld (ansiStrings) or peers-utf16.mld.
std::unique_ptr<TranslationSystem> MakeTankoraSystem(const std::string& folder, bool ansiStrings);
// Tankora's memory held per image and language over the text bytes it keeps.
void PrintTankoraMemory(std::ostream& out, const std::string& folder);

} // namespace tankora::peers
