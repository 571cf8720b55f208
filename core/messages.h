#pragma once
// The one place where messages for the user and the system sounds go. The
// program installs a sink that shows a message box and beeps; automated runs
// and tests keep the default, which writes to standard error and stays silent.

#include <functional>
#include <string>

namespace quorval {

enum class Sound { Asterisk, Information, Warning, Error };

using MessageSink = std::function<void(const std::string& text)>;
using SoundSink = std::function<void(Sound)>;

// Shows a fixed message text; never blocks in automated runs.
void ShowMessage(const std::string& text);
// Plays a system sound (a refused call or card gives Sound::Error).
void PlaySound(Sound sound);

// Installs new sinks; an empty function restores the default.
void SetMessageSink(MessageSink sink);
void SetSoundSink(SoundSink sink);

// A question with a yes and a no (leave a board unfinished? accept the
// computer declarer's claim?); true is yes (go on). The program installs
// a sink that asks with a message box; automated runs and tests keep the
// default, which asks nobody and answers yes, so they never wait.
using QuestionSink = std::function<bool(const std::string& text)>;
bool AskQuestion(const std::string& text);
void SetQuestionSink(QuestionSink sink);

// How many messages and sounds went out since the last reset (for tests).
int MessageCount();
int SoundCount();
const std::string& LastMessage();
void ResetMessageCounts();

}  // namespace quorval
