#pragma once

#include <QString>
#include <optional>

#include "engine/Lesson.h"

// What a class plays with, as a teacher or the computer's administrator
// chose it: the lesson, whether mistakes are explained, and what is locked.
// A user's choices are remembered in $XDG_CONFIG_HOME/zandoli/zandoli.ini;
// the administrator's, in the system-wide zandoli/zandoli.ini of
// $XDG_CONFIG_DIRS (/etc/xdg/zandoli/zandoli.ini), hold for every user and
// cannot be changed from the game or from a user's own file:
//
//     lesson=/etc/xdg/zandoli/year3.lesson   the lesson every game follows
//     language=fr                            the language the game speaks
//     kiosk=true                             the lock, without a lesson
//
// A lesson set there, kiosk=true or `zandoli --kiosk` locks the lesson, the
// language, the players' names and Forget All Results.
namespace zandoli::choices {

// The lesson the next game follows: the administrator's, else the one this
// user chose, else the standard one.
Lesson lesson();
// This user's lesson from now on; false, and nothing changes, while locked.
bool setLesson(const Lesson& lesson);
// The lesson's name as the screens show it: the standard lesson's in the
// player's language.
QString lessonName(const Lesson& lesson);

// Whether the lesson, the language, the names and Forget All Results are
// locked: by the administrator or by --kiosk for this run.
bool locked();
void setKiosk(bool on);
// The language the administrator set; empty for none.
QString lockedLanguage();
// The administrator's lesson file could not be read: why, in the player's
// language; empty when it was read or there is none.
QString lockedLessonProblem();

// A lesson file read whole: the lesson (named after its file when it names
// none), or why it is refused, with its line, in the player's language.
struct LessonFile {
    std::optional<Lesson> lesson;
    QString problem;
};
LessonFile readLessonFile(const QString& path);
// Why a lesson's text is refused, in the player's language.
QString lessonProblem(const LessonReading& reading);

// Whether a wrong card, and a turn that leaves cards of the value in the
// hand, are explained (the set-up's Explain Mistakes): the lesson's choice
// when it makes one and is locked, else this user's, on until turned off.
bool explainMistakes();
void setExplainMistakes(bool on);

// The game of a class code this user plays next: 1 for a code new here.
int classGame(const QString& code);
void setClassGame(const QString& code, int game);

}  // namespace zandoli::choices
