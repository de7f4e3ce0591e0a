package net.cubeworks.world.game.api;

import java.util.Locale;

import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.metadata.MetadataStoreBase;
import org.bukkit.plugin.Plugin;

import net.cubeworks.world.game.player.OnlinePlayer;

/**
 * The metadata plugins attach to players, worlds and blocks. It is kept for the session (a player
 * who leaves and comes back finds his), and a disabled plugin's values go with it.
 */
public final class MetadataStores {
    /** Players by name, as plugins of the era expect values to follow a player across rejoins. */
    public static final class PlayerStore extends MetadataStoreBase<OnlinePlayer> implements org.bukkit.metadata.MetadataStore<OnlinePlayer> {
        @Override
        protected String disambiguate(OnlinePlayer player, String metadataKey) {
            return player.getName().toLowerCase(Locale.ROOT) + ":" + metadataKey;
        }
    }

    public static final class WorldStore extends MetadataStoreBase<World> {
        @Override
        protected String disambiguate(World world, String metadataKey) {
            return world.getUID() + ":" + metadataKey;
        }
    }

    public static final class BlockStore extends MetadataStoreBase<Block> {
        @Override
        protected String disambiguate(Block block, String metadataKey) {
            return block.getWorld().getUID() + ":" + block.getX() + ":" + block.getY() + ":" + block.getZ()
                    + ":" + metadataKey;
        }
    }

    public final PlayerStore players = new PlayerStore();
    public final WorldStore worlds = new WorldStore();
    public final BlockStore blocks = new BlockStore();

    /** Drops every value the plugin set, on players, worlds and blocks. */
    public void removeAll(Plugin plugin) {
        players.removeAll(plugin);
        worlds.removeAll(plugin);
        blocks.removeAll(plugin);
    }
}
