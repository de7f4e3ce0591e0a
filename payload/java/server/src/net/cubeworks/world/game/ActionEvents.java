package net.cubeworks.world.game;

import org.bukkit.GameMode;
import org.bukkit.Location;
import org.bukkit.entity.Player;
import org.bukkit.event.block.BlockCanBuildEvent;
import org.bukkit.event.block.BlockDamageEvent;
import org.bukkit.event.player.PlayerAnimationEvent;
import org.bukkit.event.player.PlayerDropItemEvent;
import org.bukkit.event.player.PlayerGameModeChangeEvent;
import org.bukkit.event.player.PlayerInteractEntityEvent;
import org.bukkit.event.player.PlayerItemBreakEvent;
import org.bukkit.event.player.PlayerItemHeldEvent;
import org.bukkit.event.player.PlayerToggleFlightEvent;
import org.bukkit.event.player.PlayerToggleSneakEvent;
import org.bukkit.event.player.PlayerToggleSprintEvent;
import org.bukkit.inventory.ItemStack;

/**
 * The plugins' say in what a player does with himself: the slot in hand, arm swings, sneaking,
 * sprinting, flying, his game mode, the start of a dig, a click on another player. Each asks
 * only when a plugin listens, and answers what the game then does.
 */
final class ActionEvents {
    /** What a dig's start comes to after the plugins: refused, as the game judges it, or at once. */
    static final int DIG_REFUSED = -1;
    static final int DIG_AS_JUDGED = 0;
    static final int DIG_AT_ONCE = 1;

    private ActionEvents() {
    }

    private static boolean nobody(org.bukkit.event.HandlerList list) {
        return list.getRegisteredListeners().length == 0;
    }

    static ItemStack held(OnlinePlayer p) {
        int slot = p.handSlot();
        int id = p.inventory().item(slot);
        return id <= 0 ? null : new ItemStack(id, p.inventory().count(slot), (short) p.inventory().data(slot));
    }

    /** A survival player starts to dig a block: whether he digs it, and whether it breaks at once. */
    static int digStart(Game game, OnlinePlayer p, int x, int y, int z, boolean atOnce) {
        if (nobody(BlockDamageEvent.getHandlerList())) {
            return DIG_AS_JUDGED;
        }
        BlockDamageEvent event = new BlockDamageEvent(p, game.world().api().getBlockAt(x, y, z), held(p), atOnce);
        game.host().callEvent(event);
        if (event.isCancelled()) {
            return DIG_REFUSED;
        }
        return event.getInstaBreak() ? DIG_AT_ONCE : DIG_AS_JUDGED;
    }

    /**
     * Whether a block of the id fits in the cell (not inside a player), as the plugins say: they
     * may let a block be put where a player stands, or keep one out.
     */
    static boolean canBuild(Game game, int x, int y, int z, int id, boolean fits) {
        if (nobody(BlockCanBuildEvent.getHandlerList())) {
            return fits;
        }
        BlockCanBuildEvent event = new BlockCanBuildEvent(game.world().api().getBlockAt(x, y, z), id, fits);
        game.host().callEvent(event);
        return event.isBuildable();
    }

    /** The player picks another hot-bar slot: false when a plugin keeps him on the old one. */
    static boolean heldSlot(Game game, OnlinePlayer p, int previous, int next) {
        if (nobody(PlayerItemHeldEvent.getHandlerList())) {
            return true;
        }
        PlayerItemHeldEvent event = new PlayerItemHeldEvent(p, previous, next);
        game.host().callEvent(event);
        return !event.isCancelled();
    }

    /** An arm swing: false when a plugin cancelled it, and then nobody is shown it. */
    static boolean swing(Game game, OnlinePlayer p) {
        if (nobody(PlayerAnimationEvent.getHandlerList())) {
            return true;
        }
        PlayerAnimationEvent event = new PlayerAnimationEvent(p);
        game.host().callEvent(event);
        return !event.isCancelled();
    }

    /** The player crouches or stands up: false when a plugin keeps the old state. */
    static boolean sneak(Game game, OnlinePlayer p, boolean sneaking) {
        if (p.isSneaking() == sneaking || nobody(PlayerToggleSneakEvent.getHandlerList())) {
            return true;
        }
        PlayerToggleSneakEvent event = new PlayerToggleSneakEvent(p, sneaking);
        game.host().callEvent(event);
        return !event.isCancelled();
    }

    /** The player starts or stops sprinting: false when a plugin keeps the old state. */
    static boolean sprint(Game game, OnlinePlayer p, boolean sprinting) {
        if (p.isSprinting() == sprinting || nobody(PlayerToggleSprintEvent.getHandlerList())) {
            return true;
        }
        PlayerToggleSprintEvent event = new PlayerToggleSprintEvent(p, sprinting);
        game.host().callEvent(event);
        return !event.isCancelled();
    }

    /** The player starts or stops flying: false when a plugin keeps the old state. */
    static boolean flight(Game game, OnlinePlayer p, boolean flying) {
        if (p.isFlying() == flying || nobody(PlayerToggleFlightEvent.getHandlerList())) {
            return true;
        }
        PlayerToggleFlightEvent event = new PlayerToggleFlightEvent(p, flying);
        game.host().callEvent(event);
        return !event.isCancelled();
    }

    /** The player's mode is about to change: false when a plugin keeps the old one. */
    static boolean gameMode(Game game, OnlinePlayer p, GameMode mode) {
        if (p.getGameMode() == mode || nobody(PlayerGameModeChangeEvent.getHandlerList())) {
            return true;
        }
        PlayerGameModeChangeEvent event = new PlayerGameModeChangeEvent(p, mode);
        game.host().callEvent(event);
        return !event.isCancelled();
    }

    /**
     * The player drops the item in his hand (one, or the whole stack). Items on the ground do not
     * exist here, so the drop is refused whatever the plugins say; they are told of it first, as
     * protection plugins watch drops, with the item as it would have been dropped.
     */
    static void drop(Game game, OnlinePlayer p, boolean wholeStack) {
        ItemStack stack = held(p);
        if (stack == null || nobody(PlayerDropItemEvent.getHandlerList())) {
            return;
        }
        if (!wholeStack) {
            stack.setAmount(1);
        }
        Location at = new Location(game.world().api(), p.x, p.y + GameWorld.EYE_HEIGHT - 0.3, p.z, p.yaw, p.pitch);
        game.host().callEvent(new PlayerDropItemEvent(p, UnspawnedItem.of(stack, at)));
    }

    /** The player's tool wore out and is gone from his hand. */
    static void itemBroke(Game game, OnlinePlayer p, ItemStack tool) {
        if (!nobody(PlayerItemBreakEvent.getHandlerList())) {
            game.host().callEvent(new PlayerItemBreakEvent(p, tool));
        }
    }

    /**
     * The player right-clicks another. Players are the only entities, and a right click on one
     * does nothing in the game, so the plugins' answer changes nothing further.
     */
    static void interactEntity(Game game, OnlinePlayer p, Player clicked) {
        if (nobody(PlayerInteractEntityEvent.getHandlerList())) {
            return;
        }
        game.host().callEvent(new PlayerInteractEntityEvent(p, clicked));
    }
}
