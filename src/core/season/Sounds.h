#pragma once

class Session;

// Sets the two cue paths: Sounds/error.wav and Sounds/Question.wav in the home folder.
void SetSounds(Session& session);
