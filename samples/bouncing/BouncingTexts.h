#pragma once
// The texts and keys both bouncing demos share: texts under and over the objects (with a notice
// while paused), SPACE to pause and resume, Escape to end.

class BaseEngine;

class BouncingTexts
{
public:
	static void drawUnderObjects(BaseEngine* engine);
	static void drawOverObjects(BaseEngine* engine);
	static void handleKey(BaseEngine* engine, int key);
};
