#pragma once
// A small shaded disc with an optional number that the user drags between the boxes of
// the card table; it lies loose on the table or in one box's list.

#include <SDL_rect.h>

#include <string>

#include "DisplayableObject.h"

class DragableToken : public DisplayableObject
{
public:
	static constexpr int tokenSize = 25;

	// unitColour has 1 in each channel the token shows (0x010000 red, 0x010101 grey, ...).
	DragableToken(BaseEngine* engine, int x, int y, unsigned int unitColour, bool visible);

	void draw() override;
	int notify(int code, int a, int b) override;
	void onMouseMove(int x, int y) override;
	void onMouseDown(int button, int x, int y) override;
	void onMouseUp(int button, int x, int y) override;
	bool offerClick(int button, int x, int y) override;

	// 'o' held: number down by one; otherwise 'p' held: up by one.
	void changeNumberByKeys();
	// Called around every move of the token, by itself or by the box it lies on: asks for the
	// redraw of all it draws, the disc and the number that may reach past it.
	void redrawDrawnArea();

	int getNumber() const { return m_number; }
	void setNumber(int number) { m_number = number; }
	bool isDragging() const { return m_dragging; }

private:
	// The disc's rectangle united with the number's text, as drawn at the token's position.
	SDL_Rect drawnArea() const;
	// Whether this frame reaches anything the token draws.
	bool meetsFrame() const;
	std::string numberText() const;
	void startDragging(int mouseX, int mouseY);
	void dropOnContainerUnder(int x, int y);

	bool m_dragging = false;
	int m_objectStartX = 0;
	int m_objectStartY = 0;
	int m_mouseStartX = 0;
	int m_mouseStartY = 0;
	int m_number = 0;
};
