#include "AlienBonus.h"

#include "BaseEngine.h"
#include "SpaceShipBonus.h"

namespace
{
const int sweepStep = 6;
// Sweepers turn once beyond this distance from a window edge.
const int sweepMargin = 100;
const int chaseStepY = 2;
const int chaseStepX = 2;
const int chaseFastStepX = 3;
} // namespace

AlienBonus::AlienBonus(BaseEngine* engine, std::string url, int x, int y, int w, int h, int pattern, int delay)
	: MovingObjectImage(engine, url, x, y, w, h),
	  m_windowWidth(engine->getWindowWidth()),
	  m_windowHeight(engine->getWindowHeight()),
	  m_schedule(engine->getGameTime(), delay),
	  m_movement(movementFor(pattern))
{
}

AlienBonus::Movement AlienBonus::movementFor(int pattern)
{
	switch (pattern)
	{
	case chaseFast:
		return &AlienBonus::moveChaseFast;
	case sweepHorizontal:
		return &AlienBonus::moveSweepHorizontal;
	case sweepVertical:
		return &AlienBonus::moveSweepVertical;
	default:
		return &AlienBonus::moveChase;
	}
}

// Game time that stands still (a pause) takes the alien out of play until it moves again.
void AlienBonus::update(int time)
{
	const bool active = m_schedule.advance(time);
	setVisible(active);
	if (active)
		(this->*m_movement)();
	m_engine->requestFullRedraw();
}

SpaceShipBonus* AlienBonus::currentTarget() const
{
	return dynamic_cast<SpaceShipBonus*>(m_engine->getObjectAt(targetEntry));
}

void AlienBonus::moveChase()
{
	chaseTarget(chaseStepX, chaseStepY);
}

void AlienBonus::moveChaseFast()
{
	chaseTarget(chaseFastStepX, chaseStepY);
}

// Heads for the target's top-left corner; without a target the chaser stands still.
void AlienBonus::chaseTarget(int stepX, int stepY)
{
	const SpaceShipBonus* target = currentTarget();
	if (target == nullptr)
		return;
	m_targetX = target->getX();
	m_targetY = target->getY();
	m_x += m_x < m_targetX ? stepX : -stepX;
	m_y += m_y < m_targetY ? stepY : -stepY;
	checkShipHit();
}

void AlienBonus::moveSweepHorizontal()
{
	m_x += m_direction * sweepStep;
	if (m_x > m_windowWidth - sweepMargin)
		m_direction = -1;
	else if (m_x < sweepMargin)
		m_direction = 1;
	checkShipHit();
}

void AlienBonus::moveSweepVertical()
{
	m_y += m_direction * sweepStep;
	if (m_y > m_windowHeight - sweepMargin)
		m_direction = -1;
	else if (m_y < sweepMargin)
		m_direction = 1;
	checkShipHit();
}

// The alien counts as the line along its bottom edge; it touches the ship when that line
// meets a box of the alien's own size centred on the ship's centre.
void AlienBonus::checkShipHit()
{
	SpaceShipBonus* target = currentTarget();
	if (target == nullptr)
		return;
	const int cx = target->getCentreX();
	const int cy = target->getCentreY();
	const int halfW = m_width / 2;
	const int halfH = m_height / 2;
	const int bottom = m_y + m_height;
	if (rectanglesOverlap(cx - halfW, cx + halfW, cy - halfH, cy + halfH, m_x, m_x + m_width, bottom, bottom))
		target->setHit(true);
}
