/**
 * The names CraftBukkit 1.7.2 gave its own classes, for the plugins of the era that find the
 * server's parts by them: the server's class ({@code CraftServer}, whose package tells them where
 * to look) and the base of the player's class chain ({@code entity.CraftHumanEntity}, whose
 * {@code perm} field permission plugins replace). The classes hold nothing of their own beyond
 * what those plugins reach.
 */
package org.bukkit.craftbukkit.v1_7_R1;
