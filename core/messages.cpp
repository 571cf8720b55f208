#include "core/messages.h"

#include <iostream>

namespace quorval {
namespace {
MessageSink g_messageSink;
SoundSink g_soundSink;
QuestionSink g_questionSink;
int g_messages = 0;
int g_sounds = 0;
std::string g_lastMessage;
}  // namespace

void ShowMessage(const std::string& text) {
  ++g_messages;
  g_lastMessage = text;
  if (g_messageSink) g_messageSink(text);
  else std::cerr << text << '\n';
}

void PlaySound(Sound sound) {
  ++g_sounds;
  if (g_soundSink) g_soundSink(sound);
}

bool AskQuestion(const std::string& text) { return !g_questionSink || g_questionSink(text); }
void SetQuestionSink(QuestionSink sink) { g_questionSink = std::move(sink); }

void SetMessageSink(MessageSink sink) { g_messageSink = std::move(sink); }
void SetSoundSink(SoundSink sink) { g_soundSink = std::move(sink); }
int MessageCount() { return g_messages; }
int SoundCount() { return g_sounds; }
const std::string& LastMessage() { return g_lastMessage; }
void ResetMessageCounts() {
  g_messages = 0;
  g_sounds = 0;
  g_lastMessage.clear();
}

}  // namespace quorval
