package org.bukkit.entity;

/**
 * A creature that is not a player but acts like one (a villager). This server simulates players
 * only, so no entity of this kind exists here.
 */
public interface NPC extends Creature {
}
