package org.bukkit.entity;

public interface CaveSpider extends Spider {
}
