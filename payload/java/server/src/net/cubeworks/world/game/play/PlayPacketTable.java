package net.cubeworks.world.game.play;

import java.util.HashMap;
import java.util.Map;

import net.cubeworks.world.game.ClientActions;
import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PacketIn.ProtocolException;
import net.cubeworks.world.protocol.PlayReads;

/**
 * Which play packet does what: each serverbound id the game handles, read on the
 * connection's reader thread into plain values, and what the game thread then does with
 * them. An id the table does not have (settings, abilities and the like)
 * changes nothing.
 */
final class PlayPacketTable {
    /** Reads one packet's fields; returns what the game thread does with them, or null for nothing. */
    interface Handler {
        Runnable read(OnlinePlayer p, PacketIn in) throws ProtocolException;
    }

    private final Map<Integer, Handler> handlers = new HashMap<Integer, Handler>();

    PlayPacketTable(final ClientActions actions, final Game game) {
        handlers.put(PlayReads.PLAYER, move(actions, 0));
        handlers.put(PlayReads.PLAYER_POSITION, move(actions, 1));
        handlers.put(PlayReads.PLAYER_LOOK, move(actions, 2));
        handlers.put(PlayReads.PLAYER_POSITION_AND_LOOK, move(actions, 3));
        handlers.put(PlayReads.PLAYER_DIGGING, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final PlayReads.BlockAction a = PlayReads.playerDigging(in);
                return new Runnable() {
                    public void run() {
                        actions.dig(p, a);
                    }
                };
            }
        });
        handlers.put(PlayReads.BLOCK_PLACEMENT, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final PlayReads.BlockAction a = PlayReads.blockPlacement(in);
                return new Runnable() {
                    public void run() {
                        actions.place(p, a);
                    }
                };
            }
        });
        handlers.put(PlayReads.HELD_ITEM_CHANGE, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final int slot = PlayReads.heldItemChange(in);
                return new Runnable() {
                    public void run() {
                        actions.holdSlot(p, slot);
                    }
                };
            }
        });
        handlers.put(PlayReads.ANIMATION, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final int animation = PlayReads.animation(in);
                if (animation != PlayReads.ANIMATION_SWING_ARM) {
                    return null;
                }
                return new Runnable() {
                    public void run() {
                        actions.swing(p, animation);
                    }
                };
            }
        });
        handlers.put(PlayReads.CLICK_WINDOW, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final PlayReads.Click c = PlayReads.clickWindow(in);
                return new Runnable() {
                    public void run() {
                        actions.click(p, c);
                    }
                };
            }
        });
        handlers.put(PlayReads.CONFIRM_TRANSACTION, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final PlayReads.Confirm c = PlayReads.confirmTransaction(in);
                return new Runnable() {
                    public void run() {
                        actions.confirm(p, c);
                    }
                };
            }
        });
        handlers.put(PlayReads.CLOSE_WINDOW, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final int window = PlayReads.closeWindow(in);
                return new Runnable() {
                    public void run() {
                        actions.closedByClient(p, window);
                    }
                };
            }
        });
        handlers.put(PlayReads.ENTITY_ACTION, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final int action = PlayReads.entityAction(in);
                if (action == PlayReads.ACTION_LEAVE_BED) {
                    return new Runnable() {
                        public void run() {
                            actions.leaveBed(p);
                        }
                    };
                }
                if (action != PlayReads.ACTION_CROUCH && action != PlayReads.ACTION_UNCROUCH
                        && action != PlayReads.ACTION_START_SPRINT && action != PlayReads.ACTION_STOP_SPRINT) {
                    return null;
                }
                // on the game thread, in order with the placements around it
                return new Runnable() {
                    public void run() {
                        actions.stance(p, action);
                    }
                };
            }
        });
        handlers.put(PlayReads.CREATIVE_INVENTORY_ACTION, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final PlayReads.CreativeSlot c = PlayReads.creativeInventoryAction(in);
                return new Runnable() {
                    public void run() {
                        actions.creativeSet(p, c);
                    }
                };
            }
        });
        handlers.put(PlayReads.PLUGIN_MESSAGE, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final PlayReads.PluginMessage m = PlayReads.pluginMessage(in);
                return new Runnable() {
                    public void run() {
                        PluginChannels.received(game, p, m.channel, m.data);
                    }
                };
            }
        });
        handlers.put(PlayReads.PLAYER_ABILITIES, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final int flags = PlayReads.playerAbilities(in);
                return new Runnable() {
                    public void run() {
                        actions.abilities(p, flags);
                    }
                };
            }
        });
        handlers.put(PlayReads.USE_ENTITY, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final PlayReads.UseEntity u = PlayReads.useEntity(in);
                return new Runnable() {
                    public void run() {
                        actions.useEntity(p, u);
                    }
                };
            }
        });
        handlers.put(PlayReads.TAB_COMPLETE, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final String text = PlayReads.tabComplete(in);
                return new Runnable() {
                    public void run() {
                        actions.tabComplete(p, text);
                    }
                };
            }
        });
        handlers.put(PlayReads.UPDATE_SIGN, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final PlayReads.SignText s = PlayReads.updateSign(in);
                return new Runnable() {
                    public void run() {
                        actions.signText(p, s);
                    }
                };
            }
        });
        handlers.put(PlayReads.CLIENT_STATUS, new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                if (PlayReads.clientStatus(in) != PlayReads.STATUS_RESPAWN) {
                    return null;
                }
                return new Runnable() {
                    public void run() {
                        actions.respawn(p);
                    }
                };
            }
        });
    }

    /** The four movement packets: 0 on-ground only, 1 position, 2 look, 3 both. */
    private static Handler move(final ClientActions actions, final int kind) {
        return new Handler() {
            public Runnable read(final OnlinePlayer p, PacketIn in) throws ProtocolException {
                final PlayReads.Movement m = kind == 0 ? PlayReads.player(in)
                        : kind == 1 ? PlayReads.playerPosition(in)
                        : kind == 2 ? PlayReads.playerLook(in) : PlayReads.playerPositionAndLook(in);
                return new Runnable() {
                    public void run() {
                        actions.move(p, m);
                    }
                };
            }
        };
    }

    /** The handler of a play id, or null when the game does nothing with it. */
    Handler handler(int id) {
        return handlers.get(id);
    }
}
