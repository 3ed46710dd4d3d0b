// The computer at the table: when the player to move is of type computer, it plays his turn
// through the same steps a person's presses reach, with pauses long enough to be followed,
// and thinks on a worker thread so that the window keeps painting.
#pragma once

#include "base.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

class TFormMain;
struct TCoupAutomate;

class TJoueurAutomate : public QObject {
    Q_OBJECT
public:
    // Pauses in milliseconds; tests set them to 0 and step with ExecuteEnAttente.
    struct TDelais {
        int Roulement = 1000; // the die rolls this long before the computer presses STOP
        int Pose = 700;       // the chosen die is shown this long before it is placed
        int Ok = 1500;        // between two computers, the result shows this long
    };

    explicit TJoueurAutomate(TFormMain& fenetre);
    ~TJoueurAutomate() override;

    // Looks at the game and schedules the computer's next step, if it is his to take.
    // Called after every step of a turn, by person or computer.
    void Reprend();
    // Drops the pending step and any search under way; nothing they would have done is done.
    void Annule();

    // True while the player to move is the computer and the turn is his to play, so the
    // board, the panels and STOP ignore a person's presses.
    bool JoueLeTour() const;
    // True while a step is scheduled or a search is running.
    bool Occupe() const;
    // Takes the scheduled step now (waiting for the search if one is running). For tests.
    void ExecuteEnAttente();

    TDelais Delais;

private:
    enum TEtape { eAucune, eStop, eRecherche, eChoixDe, ePose, eOk };

    void Planifie(TEtape etape, int delai);
    void Execute();
    void LanceRecherche();
    void RechercheTerminee(quint64 generation);
    // Stops the pending step and the search, keeping the move found for this turn.
    void ArreteEtape();

    TFormMain& fenetre_;
    QTimer minuteur_;
    TEtape etape_ = eAucune;
    quint64 generation_ = 0;
    std::thread recherche_;
    std::shared_ptr<std::atomic<bool>> annule_;
    std::shared_ptr<TCoupAutomate> resultat_;

    // The move found for the current turn, played in two steps in mode Master.
    TTour tourCoup_ = 0;
    TNumDe deCoup_ = ndIndefini;
    int xCoup_ = -1;
    int yCoup_ = -1;
};
