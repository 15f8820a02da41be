#include "FormTexts.h"

#include "AtomicFile.h"
#include "MldText.h"

#include "framework/layout/FormText.h"
#include "framework/layout/Reader.h"
#include "framework/streams/MemoryStream.h"
#include "l10n/translator/TargetProperties.h"

#include <stdexcept>

namespace tankora::mld {
namespace {

struct StoredText
{
    std::string text; // 8-bit, as stored
    std::string className;
    std::string component;
    std::string property;
};

bool IsString(TValueType kind)
{
    return kind == TValueType::vaString || kind == TValueType::vaLString;
}

class LayoutWalker
{
public:
    explicit LayoutWalker(TReader& reader)
        : m_reader(reader)
    { }

    void Walk()
    {
        m_reader.ReadSignature();
        Object(0);
    }

    const std::vector<StoredText>& Texts() const { return m_texts; }
    const TIvTargetProperties& Targets() const { return m_targets; }
    const std::string& RootClass() const { return m_rootClass; }

private:
    void Object(int depth)
    {
        const TObjectHeader header = m_reader.ReadObjectHeader();
        if (depth == 0)
            m_rootClass = header.className;
        while (!m_reader.EndOfList())
            Property(header);
        m_reader.ReadValue();
        while (!m_reader.EndOfList())
            Object(depth + 1); // the reader caps the nesting depth
        m_reader.ReadValue();
    }

    void Property(const TObjectHeader& owner)
    {
        const std::string name = m_reader.ReadStr();
        const TValueType kind = m_reader.NextValue();
        if (name == "TargetsData" && kind == TValueType::vaList) {
            m_targets.ReadTargetsData(m_reader);
            return;
        }
        if (IsString(kind) && name.find('.') == std::string::npos) {
            m_texts.push_back({ m_reader.ReadString(), owner.className, owner.objectName, name });
            return;
        }
        // A string list is stored as its Strings property: "Items.Strings".
        const std::string suffix = ".Strings";
        if (kind == TValueType::vaList && name.size() > suffix.size()
            && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
            const std::string list = name.substr(0, name.size() - suffix.size());
            m_reader.ReadListBegin();
            while (!m_reader.EndOfList()) {
                if (IsString(m_reader.NextValue()))
                    m_texts.push_back(
                        { m_reader.ReadString(), owner.className, owner.objectName, list });
                else
                    m_reader.SkipValue();
            }
            m_reader.ReadListEnd();
            return;
        }
        m_reader.SkipValue();
    }

    TReader& m_reader;
    std::vector<StoredText> m_texts;
    TIvTargetProperties m_targets;
    std::string m_rootClass;
};

// What a form without a translator is taken to show: captions, hints, list
// items, memo lines and texts of every class.
void SelectDefaultTargets(TIvTargetProperties& targets)
{
    for (const char* property : { "Caption", "Hint", "Items", "Lines", "Text" })
        targets.Add(TIvTargetProperty("", ivtkInclude, property));
}

} // namespace

std::vector<FormText> ReadFormTexts(const std::string& path)
{
    const std::string bytes = ReadWholeFile(path);
    std::vector<FormText> texts;
    try {
        TMemoryStream binary;
        if (bytes.rfind("TPF0", 0) == 0) {
            binary.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
        } else {
            FormTextToBinary(bytes, binary);
        }
        binary.Seek(0, TSeekOrigin::soBeginning);
        TReader reader(binary);
        LayoutWalker walker(reader);
        walker.Walk();
        TIvTargetProperties defaults;
        SelectDefaultTargets(defaults);
        const TIvTargetProperties& targets
            = walker.Targets().Count() == 0 ? defaults : walker.Targets();
        for (const StoredText& stored : walker.Texts()) {
            if (stored.text.empty() || !targets.IsTarget(stored.className, stored.property))
                continue;
            texts.push_back({ Utf8FromCodePage(stored.text, 0), walker.RootClass(),
                stored.component, stored.property });
        }
    } catch (const std::exception& error) {
        throw std::runtime_error(path + ": " + error.what());
    }
    return texts;
}

} // namespace tankora::mld
