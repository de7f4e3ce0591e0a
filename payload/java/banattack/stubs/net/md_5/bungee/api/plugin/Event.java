package net.md_5.bungee.api.plugin;

/** Compile-only stand-in: base of all proxy events. */
public abstract class Event {
}
