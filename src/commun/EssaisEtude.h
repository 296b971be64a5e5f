#pragma once
// The row of the five test buttons over their comment fields that both study windows carry (they
// derive from it, so that its controls and handlers are theirs): select a test, comment it, and
// from a button's pop-up empty it or delete it.

#include <array>

class QLineEdit;
class QToolButton;
class QWidget;
class Travail;
struct SessionTravail;

class EssaisEtude {
public:
    // The tests of `travail`.
    EssaisEtude(Travail& travail, SessionTravail& session) : m_travail(travail), m_session(session) {}
    virtual ~EssaisEtude() = default;
    // The window's refresh, after a test was deleted or emptied.
    virtual void Action() = 0;
    // What the window does besides, when the user presses the button of test k (1..5).
    virtual void ButtoncourbeClick(int k) = 0;

    // Lays the buttons (one group) over their comment fields (at most 20 characters) in `panneau`.
    void construitEssais(QWidget* panneau);
    // Test k as its button says becomes the current one (0 when none is down); only its comment
    // field takes input.
    void selectionneEssai(int k);
    // Comment k typed: the test's comment, cut to 20 characters.
    void Editcourbe1Change(int k);
    // Pop-up of test k: delete it, or empty it, each on its question.
    void SuppCourbeClick(int k);
    void SupprimePoints(int k);

    std::array<QToolButton*, 5> Buttoncourbe{};
    std::array<QLineEdit*, 5> Editcourbe{};

private:
    Travail& m_travail;
    SessionTravail& m_session;
};
