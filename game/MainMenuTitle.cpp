#include "MainMenuTitle.h"

MainMenuTitle::MainMenuTitle(BaseEngine* engine, std::string url, int x, int y, int width, int height)
	: MovingObjectImage(engine, url, x, y, width, height)
{
	m_speedX = 0;
	m_speedY = bobSpeed;
	m_positionX = x;
	m_positionY = y;
	m_counter = 0;
}

void MainMenuTitle::update(int time)
{
	(void)time;
	++m_counter;
	m_positionX += m_speedX;
	m_positionY += m_speedY;
	if (m_counter > ticksPerDirection)
	{
		m_speedY = -m_speedY;
		m_counter = 0;
	}
	syncIntegerPosition();
	requestFullRedraw();
}
