#pragma once
// A fresh folder per test, removed afterwards, and what the tests look at in it.

#include <set>
#include <string>

namespace tankora::test {

class TestFolder
{
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }
    // The names in the folder (hidden ones too), to see that nothing was left behind.
    std::set<std::string> Names() const;

private:
    std::string m_path;
};

// The message of the exception E the call throws; "" when it throws none.
template <typename E, typename Call> std::string FailureOf(Call call)
{
    try {
        call();
    } catch (const E& error) {
        return error.what();
    }
    return "";
}

// Writes bytes to a file with the given permission bits.
void WriteBytes(const std::string& path, const std::string& bytes, unsigned mode = 0644);
// The bytes of a file; "<missing>" when it cannot be read.
std::string BytesOf(const std::string& path);
// The permission bits of a file (not following a link).
unsigned ModeOf(const std::string& path);

} // namespace tankora::test
