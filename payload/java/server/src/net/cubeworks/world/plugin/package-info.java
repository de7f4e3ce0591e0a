/**
 * The plugin host: loading plugin jars, enabling and disabling them, delivering events, and the
 * scheduler whose synchronous tasks run on the game thread. Uses game and the floors below.
 */
package net.cubeworks.world.plugin;
