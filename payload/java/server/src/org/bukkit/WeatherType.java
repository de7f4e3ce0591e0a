package org.bukkit;

/** The weather a player sees: rain (snow where it is cold) or clear sky. */
public enum WeatherType {
    DOWNFALL, CLEAR
}
