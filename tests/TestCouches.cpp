// The folders of src/ are layers: each includes only from itself and the folders below it, in the
// order the README's layout section gives; and the core library holds no widget.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string lit(const fs::path& p) {
    std::ifstream f(p);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The includes of a file: quoted ones are the project's, angled ones the system's.
struct Inclusions {
    std::vector<std::string> projet;
    std::vector<std::string> systeme;
};

Inclusions inclusions(const fs::path& fichier) {
    static const std::regex ligne(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    Inclusions r;
    std::istringstream s(lit(fichier));
    for (std::string l; std::getline(s, l);) {
        std::smatch m;
        if (std::regex_search(l, m, ligne)) (m[1] == "\"" ? r.projet : r.systeme).push_back(m[2]);
    }
    return r;
}

// "Layers, from the ground up: `a`, `b`, ..." in the README.
std::vector<std::string> ordreDuReadme() {
    std::istringstream s(lit(fs::path(VIMRA_SOURCES) / "README.md"));
    for (std::string l; std::getline(s, l);) {
        if (l.rfind("Layers, from the ground up:", 0) != 0) continue;
        std::vector<std::string> ordre;
        static const std::regex nom("`([a-z]+)/?`");
        for (std::sregex_iterator i(l.begin(), l.end(), nom), fin; i != fin; ++i)
            ordre.push_back((*i)[1]);
        return ordre;
    }
    return {};
}

// The file an include names, from the file that includes it.
fs::path cible(const fs::path& src, const fs::path& fichier, const std::string& inclus) {
    if (inclus.find('/') == std::string::npos) return fichier.parent_path() / inclus;
    return src / inclus;
}

class Couches : public testing::Test {
protected:
    const fs::path src = fs::path(VIMRA_SOURCES) / "src";
    std::vector<std::string> ordre = ordreDuReadme();

    int rang(const std::string& dossier) const {
        for (std::size_t i = 0; i < ordre.size(); ++i)
            if (ordre[i] == dossier) return int(i);
        return -1;
    }
    std::vector<fs::path> fichiers() const {
        std::vector<fs::path> r;
        for (const auto& e : fs::recursive_directory_iterator(src))
            if (e.is_regular_file() && (e.path().extension() == ".h" || e.path().extension() == ".cpp"))
                r.push_back(e.path());
        return r;
    }
    std::string dossier(const fs::path& fichier) const {
        return fs::relative(fichier, src).begin()->string();
    }
};

TEST_F(Couches, EveryFolderOfTheSourcesHasItsPlaceInTheOrder) {
    ASSERT_GE(ordre.size(), 5u) << "README: no line \"Layers, from the ground up: ...\"";
    for (const auto& e : fs::directory_iterator(src)) {
        if (e.is_directory()) {
            EXPECT_GE(rang(e.path().filename().string()), 0) << e.path().filename();
        }
    }
}

TEST_F(Couches, NoIncludePointsUpTheOrder) {
    for (const fs::path& f : fichiers()) {
        const int ici = rang(dossier(f));
        for (const std::string& i : inclusions(f).projet) {
            const std::size_t barre = i.find('/');
            if (barre == std::string::npos) continue;
            const int la = rang(i.substr(0, barre));
            if (la < 0) continue; // the simulator, tools: outside src/
            EXPECT_LE(la, ici) << fs::relative(f, src).string() << " includes \"" << i << "\"";
        }
    }
}

// A core file, or a project header it includes, names no header of Qt's widget modules.
TEST_F(Couches, TheCoreIncludesNoWidget) {
    const auto liste = [](const char* fichier) {
        std::set<fs::path> r;
        std::istringstream s(lit(fichier));
        for (std::string l; std::getline(s, l);)
            if (!l.empty()) r.insert(fs::weakly_canonical(l));
        return r;
    };
    const std::set<fs::path> coeur = liste(VIMRA_SOURCES_COEUR), fenetres = liste(VIMRA_SOURCES_FENETRES);
    ASSERT_GT(coeur.size(), 20u);
    ASSERT_GT(fenetres.size(), 20u);
    std::vector<fs::path> widgets;
    {
        std::istringstream s(VIMRA_INCLUDES_WIDGETS);
        for (std::string l; std::getline(s, l, '|');)
            widgets.emplace_back(l);
    }
    ASSERT_FALSE(widgets.empty());
    const auto estWidget = [&](const std::string& h) {
        for (const fs::path& d : widgets)
            if (fs::exists(d / h)) return true;
        return false;
    };
    std::map<fs::path, std::string> vus; // file -> the widget header it reaches, "" for none
    std::function<std::string(const fs::path&)> atteint = [&](const fs::path& f) -> std::string {
        if (auto v = vus.find(f); v != vus.end()) return v->second;
        vus[f] = "";
        const Inclusions i = inclusions(f);
        for (const std::string& h : i.systeme)
            if (estWidget(h)) return vus[f] = "<" + h + ">";
        for (const std::string& h : i.projet) {
            const fs::path p = fs::weakly_canonical(cible(src, f, h));
            if (!fs::exists(p)) continue;
            // A header whose code is in the window library is a window.
            fs::path code = p;
            code.replace_extension(".cpp");
            if (fenetres.contains(code)) return vus[f] = "\"" + h + "\"";
            if (const std::string w = atteint(p); !w.empty()) return vus[f] = "\"" + h + "\" -> " + w;
        }
        return vus[f];
    };
    for (const fs::path& f : coeur) {
        if (f.extension() != ".cpp" || !fs::exists(f)) continue;
        EXPECT_EQ(atteint(f), "") << fs::relative(f, src).string();
    }
}

} // namespace
