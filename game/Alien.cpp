#include "Alien.h"

#include "BaseEngine.h"
#include "Laser.h"
#include "SaturatingInt.h"
#include "StateLevel.h"

namespace
{
const int escapeLifeCost = 1;
const int escapePointCost = 5;
const int knockBackPixels = 5;

const int sweepSpeed = 6;
const int sweepDescentSteps = 50;
const int sweepDescentStep = 2;
// The bounds of the middle sweep (patterns 1 and 2): this far in from either edge.
const int middleSweepMargin = 200;
const int fastSweepSpeed = 12;
const int fastDescentSteps = 40;
const int fastDescentStep = 4;
const int wideSweepSpeed = 14;
const int wideDescentSteps = 100;
const int wideDescentStep = 2;
// The left band (pattern 8) and its mirror on the right (pattern 9).
const int leftBandRight = 400;
const int leftBandLeft = 50;
const int rightBandEdgeMargin = 50;
const int rightBandWidth = 400;

// The timed script of patterns 3 and 4: across, up, across, then down until it escapes.
const int scriptFirstAcrossEnd = 330;
const int scriptUpEnd = 1400;
const int scriptSecondAcrossEnd = 1600;
const int scriptAcrossStep = 6;
const int scriptUpStep = -4;
const int scriptDownStep = 4;

const int diagonalStep = 2;
} // namespace

Alien::Alien(BaseEngine* engine, std::string url, int x, int y, int w, int h, int pattern, int delay, int* lives,
	int* score, int* killed, int points)
	: MovingObjectImage(engine, std::move(url), x, y, w, h),
	  m_gameEngine(engine),
	  m_windowWidth(engine->getWindowWidth()),
	  m_windowHeight(engine->getWindowHeight()),
	  m_points(points),
	  m_schedule(engine->getGameTime(), delay),
	  m_lives(lives),
	  m_score(score),
	  m_killed(killed)
{
	switch (pattern)
	{
	case 1: m_movement = &Alien::moveSweepDescend; break;
	case 2: m_movement = &Alien::moveSweepDescendFast; m_direction = -1; break;
	case 3: m_movement = &Alien::moveScriptedRight; break;
	case 4: m_movement = &Alien::moveScriptedLeft; break;
	case 5: m_movement = &Alien::moveSweepWide; break;
	case 6: m_movement = &Alien::moveDiagonal; m_stepX = diagonalStep; m_stepY = diagonalStep; break;
	case 7: m_movement = &Alien::moveDiagonal; m_stepX = -diagonalStep; m_stepY = diagonalStep; break;
	case 8: m_movement = &Alien::moveSweepLeftBand; break;
	case 9: m_movement = &Alien::moveSweepRightBand; m_direction = -1; break;
	default: break; // no movement: the alien waits where it stands
	}
}

void Alien::update(int time)
{
	// An unchanged game time means the game is paused: the alien hides and freezes.
	const bool active = m_schedule.advance(time);
	setVisible(active);
	if (active && m_movement != nullptr)
		(this->*m_movement)(m_schedule.timeInPlay(time));

	if (!m_dying)
	{
		m_gameEngine->requestFullRedraw();
		return;
	}
	// A shot alien scores on every explosion tick; an escaped one scores nothing. The score
	// stops at the int limits, whatever a saved game started it at.
	if (m_y < bottomLine)
		*m_score = saturatingAdd(*m_score, m_points);
	explode(); // may delete the alien: nothing may follow
}

void Alien::checkLaserHit()
{
	Laser* laser = dynamic_cast<Laser*>(m_gameEngine->getObjectAt(StateLevel::laserSlot));
	if (laser == nullptr)
		return;
	const int cx = laser->getCentreX();
	const int cy = laser->getCentreY();
	const int halfW = m_width / 2;
	const int halfH = m_height / 2;
	// The alien counts as the line along its bottom edge, so a rising laser meets it there first.
	const int bottom = m_y + m_height;
	if (!rectanglesOverlap(cx - halfW, cx + halfW, cy - halfH, cy + halfH, m_x, m_x + m_width, bottom, bottom))
		return;
	m_x += m_direction * knockBackPixels;
	laser->markHit();
	m_dying = true;
}

void Alien::explode()
{
	++m_counter;
	setImage("images/Explosion/" + std::to_string(m_explosionFrame) + ".png", true);
	if (m_counter >= ticksPerFrame)
	{
		++m_explosionFrame;
		m_counter = 0;
	}
	if (m_explosionFrame > explosionFrames)
	{
		++*m_killed;
		m_gameEngine->detachObject(this);
		delete this;
	}
}

void Alien::escapeCheck()
{
	// A shot alien is already exploding: it cannot escape as well.
	if (m_dying || m_y <= bottomLine)
		return;
	m_dying = true;
	*m_lives = saturatingAdd(*m_lives, -escapeLifeCost);
	*m_score = saturatingAdd(*m_score, -escapePointCost);
}

void Alien::descend(int count, int stepY, int directionAfterRight, int directionAfterOther)
{
	if (m_descentCount < count)
	{
		m_y += stepY;
		++m_descentCount;
		return;
	}
	m_descentCount = 0;
	m_direction = m_side == 'R' ? directionAfterRight : directionAfterOther;
}

void Alien::sweepAndDescend(int rightBound, int leftBound)
{
	m_x += m_direction * sweepSpeed;
	checkLaserHit();
	if (m_x > rightBound)
	{
		m_side = 'R';
		m_direction = 0;
	}
	else if (m_x < leftBound)
	{
		m_side = 'L';
		m_direction = 0;
	}
	if (m_direction == 0)
		descend(sweepDescentSteps, sweepDescentStep, -1, 1);
	escapeCheck();
}

void Alien::moveSweepDescend(int elapsed)
{
	(void)elapsed;
	if (m_dying)
		return;
	sweepAndDescend(m_windowWidth - middleSweepMargin, middleSweepMargin);
}

void Alien::moveSweepDescendFast(int elapsed)
{
	(void)elapsed;
	if (m_dying)
		return;
	m_x += m_direction * fastSweepSpeed;
	checkLaserHit();
	// The side letters are the reverse of the slow sweep's, and so is the rule reading them.
	if (m_x > m_windowWidth - middleSweepMargin)
	{
		m_side = 'L';
		m_direction = 0;
	}
	else if (m_x < middleSweepMargin)
	{
		m_side = 'R';
		m_direction = 0;
	}
	if (m_direction != 0)
		return;
	descend(fastDescentSteps, fastDescentStep, 1, -1);
	escapeCheck();
}

void Alien::followScript(int elapsed, int stepX)
{
	// Each call applies the step chosen one call earlier.
	m_x += m_stepX;
	m_y += m_stepY;
	checkLaserHit();
	if (elapsed < scriptFirstAcrossEnd)
	{
		m_stepX = stepX;
		m_stepY = 0;
	}
	else if (elapsed < scriptUpEnd)
	{
		m_stepX = 0;
		m_stepY = scriptUpStep;
	}
	else if (elapsed < scriptSecondAcrossEnd)
	{
		m_stepX = stepX;
		m_stepY = 0;
	}
	else
	{
		m_stepX = 0;
		m_stepY = scriptDownStep;
	}
	escapeCheck();
}

void Alien::moveScriptedRight(int elapsed)
{
	if (m_dying)
		return;
	followScript(elapsed, scriptAcrossStep);
}

void Alien::moveScriptedLeft(int elapsed)
{
	if (m_dying)
		return;
	followScript(elapsed, -scriptAcrossStep);
}

void Alien::moveSweepWide(int elapsed)
{
	(void)elapsed;
	if (m_dying)
		return;
	const int imageWidth = m_image.getWidth();
	m_x += m_direction * wideSweepSpeed;
	checkLaserHit();
	// Turns only once it is entirely off the screen.
	if (m_x > m_windowWidth)
	{
		m_side = 'R';
		m_direction = 0;
	}
	else if (m_x < -imageWidth)
	{
		m_side = 'L';
		m_direction = 0;
	}
	if (m_direction == 0)
		descend(wideDescentSteps, wideDescentStep, -1, 1);
	if (m_dying || m_y <= bottomLine)
		return;
	// It escapes off the screen: its explosion is put back on at the edge opposite the side it left by.
	if (m_side == 'R')
		m_x = 0;
	else if (m_side == 'L')
		m_x = m_windowWidth - imageWidth;
	escapeCheck();
}

void Alien::moveDiagonal(int elapsed)
{
	(void)elapsed;
	if (m_dying)
		return;
	m_x += m_stepX;
	m_y += m_stepY;
	checkLaserHit();
	escapeCheck();
}

void Alien::moveSweepLeftBand(int elapsed)
{
	(void)elapsed;
	if (m_dying)
		return;
	sweepAndDescend(leftBandRight, leftBandLeft);
}

void Alien::moveSweepRightBand(int elapsed)
{
	(void)elapsed;
	if (m_dying)
		return;
	const int imageWidth = m_image.getWidth();
	sweepAndDescend(m_windowWidth - rightBandEdgeMargin - imageWidth, m_windowWidth - imageWidth - rightBandWidth);
}
