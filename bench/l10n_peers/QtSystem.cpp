// Qt's translator: a .qm catalogue per language made by lrelease, looked up
// with QTranslator::translate in the one context the sources use. Each open
// is a new QTranslator, which keeps nothing between instances.

#include "TranslationSystem.h"

#include <QString>
#include <QTranslator>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace tankora::peers {

namespace {

class QtSystem final : public TranslationSystem
{
public:
    explicit QtSystem(std::string folder)
        : m_folder(std::move(folder))
    { }

    std::string Name() const override { return "Qt"; }

    std::string CataloguePath(const std::string& language) const override
    {
        return m_folder + "/" + language + ".qm";
    }

    void Open(const std::string& language) override
    {
        m_translator = std::make_unique<QTranslator>();
        if (!m_translator->load(QString::fromStdString(CataloguePath(language))))
            throw std::runtime_error("cannot load " + CataloguePath(language));
    }

    bool Lookup(const std::string& text) override
    {
        const QString answer = m_translator->translate("Tankora", text.c_str());
        benchmark::DoNotOptimize(answer.constData());
        return !answer.isNull();
    }

    void Close() override { m_translator.reset(); }

private:
    std::string m_folder;
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace

std::unique_ptr<TranslationSystem> MakeQtSystem(const std::string& folder)
{
    return std::make_unique<QtSystem>(folder);
}

} // namespace tankora::peers
